#pragma once
// frm그림열기: picks a picture file from a place, a folder and a file list,
// with a preview of the highlighted file. It loads nothing into the document;
// the caller gets the chosen file's full path.
#include "canvas/PictureChooserLogic.h"

#include <QDialog>
#include <QList>

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace zep {

class Editor;
class PicturePreview;

class PictureChooser : public QDialog {
    Q_OBJECT
public:
    explicit PictureChooser(Editor& editor, QWidget* parent = nullptr);

    // Where to start: a full file path, a folder path ending in a separator,
    // or blank for the 이미지 folder. Set before the first showing.
    QString mvBfrPictureName;

    // After 열기: the chosen file's full path; "" when cancelled or when no
    // file was highlighted.
    QString mvPictureName;

    // The first activation: opens the start place. Runs once, from the first
    // show; callable earlier.
    void prepare();

    QString folder() const { return folder_; }
    // The highlighted file's full path, "" while none is.
    QString chosenPath() const { return chosen_; }

public slots:
    void confirm(); // 열기
    void reject() override;

protected:
    void showEvent(QShowEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    Editor& editor_;
    bool prepared_ = false;
    QString folder_;
    QString chosen_;
    QList<ChooserPlace> places_;

    QComboBox* drv그림열기;
    QListWidget* dir그림열기;
    QListWidget* file그림열기;
    QLabel* lbl미리보기;
    PicturePreview* img미리보기;
    QPushButton* cmdButton[2];

    void buildControls();
    void place();
    // Shows a folder in both lists; a folder that cannot be listed gives the
    // 오류 prompt and changes nothing.
    bool openFolder(const QString& path);
    void fillFolderList();
    void fillFileList();
    void showPlaceOfFolder();
    void placeChosen(int index);
    void folderChosen(const QString& path);
    void fileHighlighted();
    void showPreview(const QString& path);
};

// Runs the chooser modally from start; returns the chosen full path or "".
// A choice marks the document changed.
QString runPictureChooser(QWidget* parent, Editor& editor, const QString& start);

} // namespace zep
