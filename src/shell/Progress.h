#pragma once
// The progress bar drawn over the status strip during long operations.
#include <QColor>
#include <QString>
#include <functional>

namespace zep {

class ProgressStrip {
public:
    // Called after every change so the strip can be repainted at once.
    std::function<void()> repaint;

    void ShowProgress(const QString& caption, double total, double current);

    bool barShown() const { return barShown_; }
    bool coordinatesShown() const { return !barShown_; }
    int percent() const { return percent_; }
    QString text() const { return text_; }
    QColor colour() const { return colour_; }
    // How many times a bar was drawn (for tests of short operations).
    int barsDrawn() const { return barsDrawn_; }

private:
    bool barShown_ = false;
    int percent_ = 0;
    QString text_;
    QColor colour_ = Qt::blue;
    int barsDrawn_ = 0;
};

using ProgressFn = std::function<void(const QString& caption, double total, double current)>;

} // namespace zep
