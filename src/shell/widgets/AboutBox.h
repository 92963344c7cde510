#pragma once
#include <QUrl>
#include <QWidget>

class QLabel;

namespace zep {

// The program's About box: fixed grey window, non-modal and on top.
class frmAbout : public QWidget {
    Q_OBJECT
public:
    explicit frmAbout(QWidget* owner = nullptr);

    QUrl homePage() const;
    // The open box, or nullptr.
    static frmAbout* current();

    // The product picture drawn in code, at the size of Image1.
    static QPixmap productPicture(const QSize& size);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* lblHomePage_;
};

// Shows the About box centred on the screen; an open one is raised instead.
void ShowAbout(QWidget* owner);

} // namespace zep
