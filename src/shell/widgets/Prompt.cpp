#include "shell/widgets/Prompt.h"

#include <QMessageBox>
#include <QPushButton>

namespace zep {

int showPrompt(QWidget* parent, const PromptRequest& r) {
    QMessageBox box(parent);
    box.setWindowTitle(r.title);
    box.setText(r.text);
    box.setIcon(r.icon == IconQuestion      ? QMessageBox::Question
                : r.icon == IconExclamation ? QMessageBox::Warning
                                            : QMessageBox::NoIcon);
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    QList<QPair<QPushButton*, int>> buttons;
    auto add = [&](const QString& text, QMessageBox::ButtonRole role, int code) {
        buttons.append({box.addButton(text, role), code});
    };
    switch (r.buttons) {
    case ButtonsOKCancel:
        add(QStringLiteral("확인"), QMessageBox::AcceptRole, AnswerOK);
        add(QStringLiteral("취소"), QMessageBox::RejectRole, AnswerCancel);
        break;
    case ButtonsYesNoCancel:
        add(QStringLiteral("예(&Y)"), QMessageBox::YesRole, AnswerYes);
        add(QStringLiteral("아니요(&N)"), QMessageBox::NoRole, AnswerNo);
        add(QStringLiteral("취소"), QMessageBox::RejectRole, AnswerCancel);
        break;
    case ButtonsYesNo:
        add(QStringLiteral("예(&Y)"), QMessageBox::YesRole, AnswerYes);
        add(QStringLiteral("아니요(&N)"), QMessageBox::NoRole, AnswerNo);
        break;
    default:
        add(QStringLiteral("확인"), QMessageBox::AcceptRole, AnswerOK);
        break;
    }
    const int def = r.defaultButton == DefaultSecond && buttons.size() > 1 ? 1 : 0;
    box.setDefaultButton(buttons[def].first);
    // Escape answers Cancel where there is one, else the last button.
    box.setEscapeButton(buttons.last().first);
    box.exec();
    for (const auto& b : buttons)
        if (box.clickedButton() == b.first) return b.second;
    return buttons.last().second;
}

} // namespace zep
