#include "dialogs/PictureChooser.h"

#include "shell/BusyPointer.h"

#include "canvas/Editor.h"
#include "document/Picture.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

namespace zep {

namespace {

constexpr double kTwipsPerPixel = 15;
constexpr int kMargin = 6;

// Control geometry in pixels (the form's twips / 15), inside the margin.
const QRect kPlaceBox(0, 0, 237, 22);
const QRect kFolderList(0, 24, 237, 126);
const QRect kFileList(0, 150, 237, 123);
const QRect kPreviewCaption(239, 4, 190, 18);
const QRect kPreviewFrame(239, 24, 190, 174);
const QRect kOpenButton(242, 202, 89, 25);
const QRect kCancelButton(334, 202, 89, 25);
const QSize kClientSize(429, 273);

QRect at(const QRect& r) {
    return r.translated(kMargin, kMargin);
}

} // namespace

// img미리보기: the highlighted picture stretched over its own rectangle.
class PicturePreview : public QWidget {
public:
    using QWidget::QWidget;
    void setPicture(const Picture& p) {
        picture_ = p;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        picture_.draw(p, QRectF(rect()));
    }

private:
    Picture picture_;
};

PictureChooser::PictureChooser(Editor& editor, QWidget* parent) : QDialog(parent), editor_(editor) {
    setObjectName(QStringLiteral("frm그림열기"));
    setWindowTitle(QStringLiteral("그림열기"));
    setModal(true);
    buildControls();
    place();
}

void PictureChooser::buildControls() {
    drv그림열기 = new QComboBox(this);
    drv그림열기->setObjectName(QStringLiteral("drv그림열기"));
    drv그림열기->setGeometry(at(kPlaceBox));
    connect(drv그림열기, &QComboBox::currentIndexChanged, this, &PictureChooser::placeChosen);

    dir그림열기 = new QListWidget(this);
    dir그림열기->setObjectName(QStringLiteral("dir그림열기"));
    dir그림열기->setGeometry(at(kFolderList));
    // The list is rebuilt on a change of folder: not inside its own signal.
    connect(dir그림열기, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        const QString path = item->data(Qt::UserRole).toString();
        QMetaObject::invokeMethod(
            this, [this, path] { folderChosen(path); }, Qt::QueuedConnection);
    });

    file그림열기 = new QListWidget(this);
    file그림열기->setObjectName(QStringLiteral("file그림열기"));
    file그림열기->setGeometry(at(kFileList));
    file그림열기->setSelectionMode(QAbstractItemView::SingleSelection);
    // The selection, not the current item: focus alone moves the current item.
    connect(file그림열기, &QListWidget::itemSelectionChanged, this,
            &PictureChooser::fileHighlighted);
    connect(file그림열기, &QListWidget::itemDoubleClicked, this, [this] { confirm(); });

    auto* caption = new QLabel(QStringLiteral("[미리보기]"), this);
    caption->setObjectName(QStringLiteral("Label1_0"));
    caption->setAlignment(Qt::AlignCenter);
    caption->setGeometry(at(kPreviewCaption));

    lbl미리보기 = new QLabel(this);
    lbl미리보기->setObjectName(QStringLiteral("lbl미리보기"));
    lbl미리보기->setFrameShape(QFrame::Box);
    lbl미리보기->setAutoFillBackground(true);
    QPalette white = lbl미리보기->palette();
    white.setColor(QPalette::Window, Qt::white);
    lbl미리보기->setPalette(white);
    lbl미리보기->setGeometry(at(kPreviewFrame));

    img미리보기 = new PicturePreview(this);
    img미리보기->setObjectName(QStringLiteral("img미리보기"));
    img미리보기->setGeometry(at(kPreviewFrame).adjusted(2, 2, -2, -2));
    img미리보기->hide();
    img미리보기->raise();

    const QString captions[2] = {QStringLiteral("열기"), QStringLiteral("취소")};
    const QRect geometry[2] = {kOpenButton, kCancelButton};
    for (int i = 0; i < 2; ++i) {
        cmdButton[i] = new QPushButton(captions[i], this);
        cmdButton[i]->setObjectName(QStringLiteral("cmdButton%1").arg(i));
        cmdButton[i]->setGeometry(at(geometry[i]));
        // Enter opens folders in the folder list; it must not also close.
        cmdButton[i]->setAutoDefault(false);
    }
    connect(cmdButton[0], &QPushButton::clicked, this, &PictureChooser::confirm);
    connect(cmdButton[1], &QPushButton::clicked, this, &PictureChooser::reject);

    setFixedSize(kClientSize + QSize(2 * kMargin, 2 * kMargin));
}

void PictureChooser::place() {
    const QScreen* s = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    const QRect g = s ? s->geometry() : QRect(0, 0, 800, 600);
    move(g.x() + qRound((g.width() - width()) / 1.1), g.y() + 160);
}

void PictureChooser::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    prepare();
}

void PictureChooser::prepare() {
    if (prepared_) return;
    prepared_ = true;
    BusyPointer busy;
    chosen_.clear();
    const QString appPath = editor_.module.gAppPath;
    places_ = chooserPlaces(appPath, QDir::homePath(), mountedVolumePlaces());
    {
        const QSignalBlocker block(drv그림열기);
        for (const ChooserPlace& p : places_)
            drv그림열기->addItem(p.label, p.path);
    }
    const ChooserStart start = chooserStart(mvBfrPictureName, appPath);
    folder_ = start.folder;
    fillFolderList();
    fillFileList();
    showPlaceOfFolder();

    QStringList names;
    for (int i = 0; i < file그림열기->count(); ++i)
        names << file그림열기->item(i)->text();
    const int entry = startEntry(names, start.fileName);
    if (entry >= 0) {
        file그림열기->setCurrentRow(entry);
        file그림열기->scrollToItem(file그림열기->item(entry));
    }
}

bool PictureChooser::openFolder(const QString& path) {
    const QString clean = path.isEmpty() ? path : QDir::cleanPath(path);
    const QString error = folderError(clean);
    if (!error.isEmpty()) {
        editor_.module.ask(QStringLiteral("오류"), error, IconExclamation, ButtonsOK, DefaultFirst);
        return false;
    }
    BusyPointer busy;
    folder_ = clean;
    fillFolderList();
    // A file highlighted elsewhere is no longer on show, so it is no choice.
    fillFileList();
    showPlaceOfFolder();
    return true;
}

void PictureChooser::fillFolderList() {
    dir그림열기->clear();
    const QIcon open = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closed = style()->standardIcon(QStyle::SP_DirClosedIcon);
    // The chain from the root down to the folder, then what lies in it.
    QStringList chain;
    for (QString f = folder_;; f = QFileInfo(f).path()) {
        chain.prepend(f);
        if (f == QLatin1String("/") || f.isEmpty() || f == QFileInfo(f).path()) break;
    }
    int depth = 0;
    for (const QString& f : chain) {
        const QString name = f == QLatin1String("/") ? f : QFileInfo(f).fileName();
        auto* item = new QListWidgetItem(open, QString(2 * depth, ' ') + name, dir그림열기);
        item->setData(Qt::UserRole, f);
        ++depth;
    }
    dir그림열기->setCurrentRow(dir그림열기->count() - 1);
    for (const QString& name : subfolders(folder_)) {
        auto* item = new QListWidgetItem(closed, QString(2 * depth, ' ') + name, dir그림열기);
        item->setData(Qt::UserRole, joinPath(folder_, name));
    }
}

void PictureChooser::fillFileList() {
    {
        const QSignalBlocker block(file그림열기);
        file그림열기->clear();
        file그림열기->addItems(pictureFiles(folder_));
    }
    fileHighlighted();
}

void PictureChooser::showPlaceOfFolder() {
    const QSignalBlocker block(drv그림열기);
    drv그림열기->setCurrentIndex(placeIndexFor(places_, folder_));
}

void PictureChooser::placeChosen(int index) {
    if (index < 0 || index >= places_.size()) return;
    if (!openFolder(places_[index].path)) showPlaceOfFolder();
}

void PictureChooser::folderChosen(const QString& path) {
    if (path == folder_) return;
    // The folder may have gone since it was listed; the list shows afresh.
    if (!openFolder(path)) fillFolderList();
}

void PictureChooser::fileHighlighted() {
    const QList<QListWidgetItem*> selected = file그림열기->selectedItems();
    if (selected.isEmpty()) {
        chosen_.clear();
        showPreview({});
        return;
    }
    chosen_ = joinPath(folder_, selected.first()->text());
    showPreview(chosen_);
}

void PictureChooser::showPreview(const QString& path) {
    img미리보기->hide();
    // An unreadable file shows nothing rather than the picture before it.
    const Picture pic = path.isEmpty() ? Picture() : Picture::load(path);
    img미리보기->setPicture(pic);
    if (pic.isNull()) return;
    const QRect f = lbl미리보기->geometry();
    const QRectF frame(f.x() * kTwipsPerPixel, f.y() * kTwipsPerPixel, f.width() * kTwipsPerPixel,
                       f.height() * kTwipsPerPixel);
    const QRectF r = previewPlacement(pic.naturalSizeTwips(), frame).rect;
    img미리보기->setGeometry(qRound(r.x() / kTwipsPerPixel), qRound(r.y() / kTwipsPerPixel),
                             qRound(r.width() / kTwipsPerPixel),
                             qRound(r.height() / kTwipsPerPixel));
    img미리보기->show();
}

void PictureChooser::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        // The folder list has opened its folder already; in the file list
        // Enter is a double click; a button with the focus answers it.
        QWidget* f = focusWidget();
        if (f == file그림열기 && !chosen_.isEmpty())
            confirm();
        else if (auto* b = qobject_cast<QPushButton*>(f))
            b->click();
        return;
    }
    QDialog::keyPressEvent(e);
}

void PictureChooser::confirm() {
    prepare();
    if (!chosen_.isEmpty()) {
        mvPictureName = chosen_;
        editor_.doc.mv내용수정 = true;
    }
    done(Accepted);
}

void PictureChooser::reject() {
    mvPictureName.clear();
    QDialog::reject();
}

QString runPictureChooser(QWidget* parent, Editor& editor, const QString& start) {
    PictureChooser dlg(editor, parent);
    dlg.mvBfrPictureName = start;
    dlg.exec();
    return dlg.mvPictureName;
}

} // namespace zep
