#include "shell/CommandLine.h"

#include "print/Export.h"

#include <cstdio>

namespace zep {

CommandLine parseCommandLine(const QStringList& args) {
    CommandLine cl;
    QStringList rest;
    bool exporting = false, dpiGiven = false;
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == "--help" || a == "-h") {
            cl.mode = CommandLine::Help;
            return cl;
        } else if (a == "--export") {
            exporting = true;
        } else if (a == "--dpi") {
            if (i + 1 >= args.size()) {
                cl.mode = CommandLine::Invalid;
                cl.error = QStringLiteral("--dpi 다음에 해상도를 적으십시오.");
                return cl;
            }
            bool ok = false;
            cl.dpi = args[++i].toInt(&ok);
            if (!ok || cl.dpi < 1 || cl.dpi > 2400) {
                cl.mode = CommandLine::Invalid;
                cl.error =
                    QStringLiteral("해상도는 1에서 2400 사이의 정수여야 합니다: %1").arg(args[i]);
                return cl;
            }
            dpiGiven = true;
        } else if (a.startsWith("--")) {
            cl.mode = CommandLine::Invalid;
            cl.error = QStringLiteral("알 수 없는 옵션입니다: %1").arg(a);
            return cl;
        } else {
            rest << a;
        }
    }
    if (exporting) {
        if (rest.size() != 2) {
            cl.mode = CommandLine::Invalid;
            cl.error = QStringLiteral("--export 다음에 출력 파일과 입력 파일을 적으십시오.");
            return cl;
        }
        cl.mode = CommandLine::Export;
        cl.output = rest[0];
        cl.file = rest[1];
        return cl;
    }
    if (dpiGiven || rest.size() > 1) {
        cl.mode = CommandLine::Invalid;
        cl.error = dpiGiven ? QStringLiteral("--dpi는 --export와 함께 씁니다.")
                            : QStringLiteral("열 문서는 하나만 적으십시오.");
        return cl;
    }
    if (!rest.isEmpty()) cl.file = rest[0];
    return cl;
}

QString usageText() {
    return QStringLiteral(
        "사용법:\n"
        "  zephyra [문서.zep]\n"
        "      편집기를 시작합니다. 문서를 적으면 그 문서를 엽니다.\n"
        "  zephyra --export 출력파일 입력.zep [--dpi N]\n"
        "      화면 없이 문서를 내보냅니다. 형식은 출력 파일의 확장자로 정합니다:\n"
        "        .pdf  벡터 PDF, 문서의 용지 크기와 방향 그대로 1:1\n"
        "        .png  그림 (기본 96 dpi; --dpi로 바꿈, 1-2400)\n"
        "        .svg  벡터 그림\n"
        "        .zep  문서 파일로 다시 저장\n"
        "      성공하면 0, 실패하면 0이 아닌 값으로 끝납니다. 없는 그림 파일은\n"
        "      경고하고 나머지를 그립니다.\n"
        "  zephyra --help\n"
        "      이 설명을 보입니다.\n"
        "\n"
        "프로그램 폴더는 ZEPHYRA_HOME 환경 변수, 설치 기록, 실행 파일의 폴더 순서로 찾습니다.\n");
}

int runExport(const CommandLine& cl, const QString& appPath) {
    const ExportResult r = exportDocument(cl.file, cl.output, cl.dpi, appPath);
    for (const QString& w : r.warnings)
        std::fprintf(stderr, "zephyra: 경고: %s\n", w.toUtf8().constData());
    if (!r.ok) {
        std::fprintf(stderr, "zephyra: %s\n", r.error.toUtf8().constData());
        return 1;
    }
    return 0;
}

} // namespace zep
