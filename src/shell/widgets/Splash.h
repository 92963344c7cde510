#pragma once
// frmLOGO: shown while the program finds its folder and registers its fonts;
// after two seconds it opens the main window and goes.
#include <QTimer>
#include <QWidget>
#include <functional>

namespace zep {

class Splash : public QWidget {
    Q_OBJECT
public:
    explicit Splash(std::function<void()> startWork, std::function<void()> openMain,
                    int delayMs = 2000);
    bool workDone() const { return workDone_; }
    QTimer tmrLOGO;

protected:
    void showEvent(QShowEvent*) override;
    void paintEvent(QPaintEvent*) override;

private:
    std::function<void()> startWork_, openMain_;
    bool workDone_ = false; // the first-activation guard
};

} // namespace zep
