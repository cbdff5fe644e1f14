#include "qt/QtHost.h"

#include <sys/stat.h>

#include <QFile>

#include <QApplication>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QEventLoop>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontDialog>
#include <QFontInfo>
#include <QHash>
#include <QIntValidator>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRawFont>
#include <QScreen>
#include <QStringListModel>
#include <QTimer>
#include <QUrl>
#include <QWindow>
#include <algorithm>
#include <functional>
#include <memory>

#include "platform/FileIO.h"
#include "platform/QtString.h"
#include "platform/Window.h"
#include "qt/KeptWidgets.h"
#include "qt/PropertySync.h"
#include "qt/QtBinding.h"

namespace kord {

namespace {

int g_nestedDepth = 0;
bool g_collectPending = false;
bool g_collectWanted = false;

// Deleted with deleteLater, which Qt delivers only once the event that posted it is over and
// control is back in the loop that was running then: the unloaded window's own handler has
// returned by the time it is destroyed.
class Collector : public QObject {
  public:
    ~Collector() override {
        g_collectPending = false;
        if (g_nestedDepth > 0) {
            // A modal window or message box is open: its caller may still hold a retired window.
            g_collectWanted = true;
            return;
        }
        Forms::Collect();
    }
};

QWidget* ParentWidget() {
    QtBinding* top = QtBinding::Topmost();
    return top ? top->WindowWidget() : nullptr;
}

// The window under a message box or dialog comes back to the front with its focus.
class RestoreBelow {
  public:
    RestoreBelow(const QtBinding* except = nullptr) : below_(QtBinding::Topmost(except)) {}
    ~RestoreBelow() {
        if (below_) below_->Reactivate();
    }
    RestoreBelow(const RestoreBelow&) = delete;
    RestoreBelow& operator=(const RestoreBelow&) = delete;

  private:
    QPointer<QtBinding> below_;
};

QString FilterText(const std::pair<std::string, std::string>& f) {
    QString description = Q(f.first);
    // Qt reads the patterns from the parentheses, separated by spaces.
    QString patterns = Q(f.second).replace(QLatin1Char(';'), QLatin1Char(' '));
    if (description.contains(QLatin1Char('('))) return description;
    return description + QStringLiteral(" (") + patterns + QLatin1Char(')');
}

class ModalWatch : public WindowObserver {
  public:
    explicit ModalWatch(QEventLoop& loop) : loop_(loop) {}
    void ControlChanged(Control&, Prop) override {}
    void WindowChanged(Window&, WindowEvent e) override {
        if (e == WindowEvent::Hidden || e == WindowEvent::Unloaded) loop_.quit();
    }

  private:
    QEventLoop& loop_;
};

// A name that the dialog shows with U+FFFD stands for bytes that are not UTF-8: it does not name
// the file on the disk, and writing under it would make a file of another name.
bool UnreadableName(const QString& path) {
    for (qsizetype at = path.indexOf(QChar::ReplacementCharacter); at >= 0;
         at = path.indexOf(QChar::ReplacementCharacter, at + 1)) {
        // Each part of the path that holds the mark must be on the disk under exactly its bytes.
        const qsizetype slash = path.indexOf(QLatin1Char('/'), at);
        const QString part = slash < 0 ? path : path.left(slash);
        struct stat st {};
        if (::lstat(QFile::encodeName(part).constData(), &st) != 0) return true;
        if (slash < 0) break;
        at = slash;
    }
    return false;
}

// Qt's own file dialog on every desktop, titled: a platform one would close before a refusal.
// A name that cannot be used is refused with its reason, and the dialog stays open for another.
class FileDialogBase : public QFileDialog {
  protected:
    FileDialogBase(QWidget* parent, const QString& title, const QString& folder,
                   const QString& filter, AcceptMode mode)
        : QFileDialog(parent, title, folder, filter) {
        setOption(QFileDialog::DontUseNativeDialog);
        setAcceptMode(mode);
        setFileMode(mode == AcceptSave ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    }

    // The chosen file, or empty when the dialog should only go on as Qt's does (a folder entered).
    QString Chosen() const {
        const QStringList files = selectedFiles();
        if (files.isEmpty() || QFileInfo(files.first()).isDir()) return {};
        return files.first();
    }

    // False after saying why the name cannot be used: its bytes first, then `refusal`.
    bool Usable(const QString& file, const std::string& refusal, const char* then) {
        const std::string why =
            UnreadableName(file)
                ? "Nazwa pliku lub folderu nie jest zapisana w UTF-8, więc nie można jej użyć."
                : refusal;
        if (why.empty()) return true;
        Ask(QMessageBox::Warning,
            QFileInfo(file).fileName() + QLatin1Char('\n') + Q(why) + QLatin1Char('\n') +
                QString::fromUtf8(then),
            QMessageBox::Ok);
        return false;
    }

    QMessageBox::StandardButton Ask(QMessageBox::Icon icon, const QString& text,
                                    QMessageBox::StandardButtons buttons) {
        QMessageBox box(icon, windowTitle(), text, buttons, this);
        if (buttons & QMessageBox::Yes) box.setDefaultButton(QMessageBox::Yes);
        QtHost::NestedLoop nested;
        return static_cast<QMessageBox::StandardButton>(box.exec());
    }
};

// Refusals come before Qt's question about replacing a file; naming a file that does not exist
// asks whether to create it.
class SaveDialog : public FileDialogBase {
  public:
    SaveDialog(QWidget* parent, const QString& title, const QString& folder, const QString& filter)
        : FileDialogBase(parent, title, folder, filter, AcceptSave) {}

    void accept() override {
        const QString file = Chosen();
        if (file.isEmpty()) return QFileDialog::accept();
        const SaveTarget target = ReplaceableTarget(file.toStdString());
        if (!Usable(file, RefusalText(target.refusal), kAnotherName)) return;
        struct stat st {};
        if (::stat(target.path.c_str(), &st) != 0 &&
            Ask(QMessageBox::Question,
                QFileInfo(file).fileName() +
                    QStringLiteral("\nTen plik nie istnieje.\nCzy utworzyć nowy plik?"),
                QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
            return;
        QFileDialog::accept();
    }

  private:
    static constexpr const char* kAnotherName = "Proszę podać inną nazwę pliku.";
};

class OpenDialog : public FileDialogBase {
  public:
    OpenDialog(QWidget* parent, const QString& title, const QString& folder, const QString& filter)
        : FileDialogBase(parent, title, folder, filter, AcceptOpen) {}

    void accept() override {
        const QString file = Chosen();
        if (!file.isEmpty() && !Usable(file, {}, "Proszę wybrać inny plik.")) return;
        QFileDialog::accept();
    }
};

// A face the report may be set in: an installed face, not a name that stands for another
// ("Sans Serif"), with TrueType outlines (a "glyf" table, which Type 1, CFF and bitmap faces
// lack) and every letter of Polish, which no symbol or dingbat face has.
bool TrueTypePolishFace(const QString& family) {
    static QHash<QString, bool> known;
    if (const auto it = known.constFind(family); it != known.constEnd()) return *it;
    const QRawFont raw = QRawFont::fromFont(QFont(family));
    // The list names a face made by more than one foundry "Family [Foundry]".
    bool usable = raw.isValid() && !raw.fontTable("glyf").isEmpty() &&
                  raw.familyName().compare(family.section(QStringLiteral(" ["), 0, 0),
                                           Qt::CaseInsensitive) == 0;
    for (const QChar c : QStringLiteral("ĄĆĘŁŃÓŚŹŻąćęłńóśźż"))
        usable = usable && raw.supportsCharacter(c);
    known.insert(family, usable);
    return usable;
}

// The font dialog offers only TrueType faces that write Polish and only the sizes between its
// limits: the others are left out of the family and size lists, and a font outside them cannot
// be confirmed.
class LimitedFontDialog : public QFontDialog {
  public:
    LimitedFontDialog(const QFont& initial, int minSize, int maxSize, QWidget* parent)
        : QFontDialog(parent), min_(minSize), max_(maxSize) {
        // Qt's own dialog everywhere: a platform one would not keep to the limits.
        setOption(QFontDialog::DontUseNativeDialog);
        for (auto* edit : findChildren<QLineEdit*>())
            if (qobject_cast<const QIntValidator*>(edit->validator()))
                edit->setValidator(new QIntValidator(minSize, maxSize, edit));
        for (auto* list : findChildren<QListView*>()) {
            // The family list is the one of installed families, the size list the one of numbers.
            auto* model = qobject_cast<QStringListModel*>(list->model());
            if (!model) continue;
            if (IsFamilyList(model->stringList())) {
                KeepOnly(list, model, TrueTypePolishFace);
                connect(list->selectionModel(), &QItemSelectionModel::currentChanged, this,
                        [list](const QModelIndex& current, const QModelIndex& previous) {
                            SkipHidden(*list, current, previous);
                        });
            } else if (IsSizeList(model->stringList())) {
                KeepOnly(list, model,
                         [this](const QString& size) { return Within(size.toDouble()); });
            }
        }
        connect(this, &QFontDialog::currentFontChanged, this, &LimitedFontDialog::UpdateOk);
        setCurrentFont(initial);
        UpdateOk();
    }

    void done(int result) override {
        if (result == QDialog::Accepted && !Allowed(currentFont())) return;
        QFontDialog::done(result);
    }

  private:
    // Hides the rows whose text `shown` refuses, again each time the dialog fills the list anew
    // (a change of writing system, family or style).
    void KeepOnly(QListView* list, QStringListModel* model,
                  const std::function<bool(const QString&)>& shown) {
        const auto hide = [list, model, shown] {
            const QStringList items = model->stringList();
            for (int row = 0; row < items.size(); ++row)
                list->setRowHidden(row, !shown(items[row]));
        };
        connect(model, &QAbstractItemModel::modelReset, this, hide);
        hide();
    }
    // Keys (Home, End, a typed letter) may land on a hidden row: the nearest shown one is taken
    // instead, in the direction of the move first.
    static void SkipHidden(QListView& list, const QModelIndex& current,
                           const QModelIndex& previous) {
        if (!current.isValid() || !list.isRowHidden(current.row())) return;
        const bool up = previous.isValid() && previous.row() > current.row();
        for (const int step : {up ? -1 : 1, up ? 1 : -1})
            for (int row = current.row() + step; row >= 0 && row < list.model()->rowCount();
                 row += step)
                if (!list.isRowHidden(row)) {
                    list.setCurrentIndex(list.model()->index(row, 0));
                    return;
                }
    }
    static bool IsFamilyList(const QStringList& items) {
        const QStringList installed = QFontDatabase::families();
        return !items.isEmpty() && std::all_of(items.begin(), items.end(), [&](const QString& f) {
            return installed.contains(f);
        });
    }
    bool Allowed(const QFont& font) const {
        return Within(font.pointSizeF()) && TrueTypePolishFace(font.family());
    }
    static bool IsSizeList(const QStringList& items) {
        bool numbers = !items.isEmpty();
        for (const QString& item : items) {
            bool number = false;
            item.toDouble(&number);
            numbers = numbers && number;
        }
        return numbers;
    }
    bool Within(double size) const { return size >= min_ && size <= max_; }
    void UpdateOk() {
        if (auto* box = findChild<QDialogButtonBox*>())
            if (QPushButton* ok = box->button(QDialogButtonBox::Ok))
                ok->setEnabled(Allowed(currentFont()));
    }

    int min_, max_;
};

// The print dialog in its set-up form: a printer or a PDF file is chosen and confirmed, nothing
// is printed. The program keeps only that choice, so nothing else is offered: no page range,
// current page or selection, and neither the copies, collation, colour and duplex of "Options"
// nor the page settings of the printer's properties (the report prints on the printer's own
// paper, a PDF on A4).
void MakeSetUpForm(QPrintDialog& dialog) {
    dialog.setWindowTitle(QStringLiteral("Ustawienia drukarki"));
    dialog.setOptions(QAbstractPrintDialog::PrintToFile);
    if (auto* box = dialog.findChild<QDialogButtonBox*>()) {
        for (QAbstractButton* button : box->buttons())
            if (box->buttonRole(button) == QDialogButtonBox::ResetRole) button->hide();
        if (QPushButton* ok = box->button(QDialogButtonBox::Ok)) ok->setText(QStringLiteral("OK"));
    }
}

// The help viewer: Esc closes it.
class HelpViewer : public QTextBrowser {
  protected:
    void keyPressEvent(QKeyEvent* e) override {
        if (e->key() == Qt::Key_Escape && e->modifiers() == Qt::NoModifier) {
            close();
            return;
        }
        QTextBrowser::keyPressEvent(e);
    }
};

// Beside the window that asks, where the screen has room, else over it a little lower and to the
// right; its frame always on that window's screen, so the title bar can be reached.
void PlaceHelp(QWidget& help, const QWidget* owner) {
    QScreen* screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect area = screen->availableGeometry();
    // The window manager's frame is not known before the window is shown: the owner's tells.
    QMargins frame;
    if (owner) {
        const QRect outer = owner->frameGeometry(), inner = owner->geometry();
        frame = QMargins(inner.left() - outer.left(), inner.top() - outer.top(),
                         outer.right() - inner.right(), outer.bottom() - inner.bottom());
    }
    const QSize size = help.size().grownBy(frame);
    QPoint at = area.center() - QPoint(size.width() / 2, size.height() / 2);
    if (owner) {
        constexpr int kGap = 8, kStep = 40;
        const QRect o = owner->frameGeometry();
        if (o.right() + kGap + size.width() <= area.right())
            at = QPoint(o.right() + kGap, o.top());
        else if (o.left() - kGap - size.width() >= area.left())
            at = QPoint(o.left() - kGap - size.width(), o.top());
        else
            at = o.topLeft() + QPoint(kStep, kStep);
    }
    at.setX(
        std::clamp(at.x(), area.left(), std::max(area.left(), area.right() + 1 - size.width())));
    at.setY(
        std::clamp(at.y(), area.top(), std::max(area.top(), area.bottom() + 1 - size.height())));
    help.move(at);
}

}  // namespace

QtHost::~QtHost() {
    while (busyDepth_ > 0) SetBusy(false);
    KeptWidgets::Drop();
}

QtHost::NestedLoop::NestedLoop() {
    ++g_nestedDepth;
}

QtHost::NestedLoop::~NestedLoop() {
    if (--g_nestedDepth == 0 && g_collectWanted) {
        g_collectWanted = false;
        ScheduleCollect();
    }
}

int QtHost::NestedDepth() {
    return g_nestedDepth;
}

void QtHost::ScheduleCollect() {
    if (g_collectPending) return;
    g_collectPending = true;
    (new Collector)->deleteLater();
}

void QtHost::WindowCreated(Window& w) {
    // The binding lives as long as the window is loaded and deletes itself on unload.
    new QtBinding(w);
}

MsgAnswer QtHost::MsgBox(const std::string& text, MsgButtons buttons, MsgIcon icon,
                         const std::string& title) {
    QMessageBox::Icon qicon = QMessageBox::NoIcon;
    switch (icon) {
        case MsgIcon::Exclamation:
            qicon = QMessageBox::Warning;
            break;
        case MsgIcon::Information:
            qicon = QMessageBox::Information;
            break;
        case MsgIcon::Question:
            qicon = QMessageBox::Question;
            break;
        case MsgIcon::Critical:
            qicon = QMessageBox::Critical;
            break;
        case MsgIcon::None:
            break;
    }
    QMessageBox::StandardButtons qbuttons = QMessageBox::Ok;
    QMessageBox::StandardButton first = QMessageBox::Ok;
    switch (buttons) {
        case MsgButtons::OK:
            break;
        case MsgButtons::OKCancel:
            qbuttons = QMessageBox::Ok | QMessageBox::Cancel;
            break;
        case MsgButtons::YesNo:
            qbuttons = QMessageBox::Yes | QMessageBox::No;
            first = QMessageBox::Yes;
            break;
        case MsgButtons::YesNoCancel:
            qbuttons = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
            first = QMessageBox::Yes;
            break;
    }
    RestoreBelow restore;
    QString body = Q(text);
    body.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QMessageBox box(qicon, title.empty() ? QString::fromLatin1(kAppTitle) : Q(title), body,
                    qbuttons, ParentWidget());
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(first);
    int result = 0;
    {
        NestedLoop nested;
        result = box.exec();
    }
    switch (result) {
        case QMessageBox::Ok:
            return MsgAnswer::OK;
        case QMessageBox::Yes:
            return MsgAnswer::Yes;
        case QMessageBox::No:
            return MsgAnswer::No;
        case QMessageBox::Cancel:
            return MsgAnswer::Cancel;
        default:
            // Closed without a button: what the box's escape would have answered.
            return buttons == MsgButtons::OK      ? MsgAnswer::OK
                   : buttons == MsgButtons::YesNo ? MsgAnswer::No
                                                  : MsgAnswer::Cancel;
    }
}

void QtHost::RunModal(Window& w) {
    if (!w.IsLoaded() || !w.IsVisible()) return;
    QtBinding* binding = QtBinding::Of(w);
    RestoreBelow restore(binding);
    QEventLoop loop;
    ModalWatch watch(loop);
    w.AddObserver(&watch);
    {
        NestedLoop nested;
        loop.exec(QEventLoop::DialogExec);
    }
    // The window is at worst retired by now, never destroyed: collection waits for the loops.
    w.RemoveObserver(&watch);
}

std::optional<std::string> QtHost::FileDialog(const FileDialogRequest& r) {
    QStringList filters;
    for (const auto& f : r.filters) filters << FilterText(f);
    const QString filter = filters.join(QStringLiteral(";;"));
    RestoreBelow restore;
    QString file;
    {
        NestedLoop nested;
        std::unique_ptr<QFileDialog> dialog;
        if (r.save)
            dialog =
                std::make_unique<SaveDialog>(ParentWidget(), Q(r.title), Q(r.initialDir), filter);
        else
            dialog =
                std::make_unique<OpenDialog>(ParentWidget(), Q(r.title), Q(r.initialDir), filter);
        if (dialog->exec() == QDialog::Accepted && !dialog->selectedFiles().isEmpty())
            file = dialog->selectedFiles().first();
    }
    if (file.isEmpty()) return std::nullopt;
    return file.toStdString();
}

bool QtHost::ChoosePrinter(PrinterChoice& choice) {
    QPrinter printer(QPrinter::HighResolution);
    if (!choice.printerName.empty()) printer.setPrinterName(Q(choice.printerName));
    if (!choice.outputFile.empty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(Q(choice.outputFile));
    }
    RestoreBelow restore;
    QPrintDialog dialog(&printer, ParentWidget());
    MakeSetUpForm(dialog);
    int result = 0;
    {
        NestedLoop nested;
        result = dialog.exec();
    }
    if (result != QDialog::Accepted) return false;
    // The choice stays with the program; the system's default printer is left alone.
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty()) {
        choice.outputFile = printer.outputFileName().toStdString();
    } else {
        choice.printerName = printer.printerName().toStdString();
        choice.outputFile.clear();
    }
    return true;
}

bool QtHost::ChooseFont(Font& font, int minSize, int maxSize) {
    const QFont asked = QtFontFor(font);
    // A face the font database does not list (one this system lacks, which Qt substitutes) would
    // make the dialog fall back to another family: it opens on the face that draws the font.
    const QString drawn = QFontInfo(asked).family();
    QFont initial = asked;
    if (!QFontDatabase::families().contains(asked.family())) initial.setFamily(drawn);
    // The dialog finds the style by its name, which Qt would translate for a font without one:
    // it is given the face's own name for the weight and slant asked for.
    for (const QString& style : QFontDatabase::styles(initial.family())) {
        if (QFontDatabase::bold(initial.family(), style) == asked.bold() &&
            QFontDatabase::italic(initial.family(), style) == asked.italic()) {
            initial.setStyleName(style);
            break;
        }
    }
    RestoreBelow restore;
    LimitedFontDialog dialog(initial, minSize, maxSize, ParentWidget());
    int result = 0;
    {
        NestedLoop nested;
        result = dialog.exec();
    }
    if (result != QDialog::Accepted) return false;
    const QFont chosen = dialog.selectedFont();
    // The model keeps its own name for the face it mapped.
    if (chosen.family() != asked.family() && chosen.family() != drawn)
        font.name = chosen.family().toStdString();
    font.size = chosen.pointSizeF();
    font.bold = chosen.bold();
    font.italic = chosen.italic();
    font.underline = chosen.underline();
    return true;
}

bool QtHost::ShowHelp(const std::string& path) {
    QFile file(Q(path));
    if (!file.open(QIODevice::ReadOnly)) return false;
    // Its own top-level window: it stays open when the window that asked for it closes.
    if (!help_) {
        help_ = new HelpViewer;
        help_->setObjectName("Help");
        help_->setAttribute(Qt::WA_DeleteOnClose);
        help_->setWindowTitle("Kordelan – pomoc");
        help_->resize(640, 560);
    }
    QWidget* owner = ParentWidget();
    if (!help_->isVisible()) PlaceHelp(*help_, owner);
    // A modal window blocks every window but its own: the help counts as the asking window's.
    help_->winId();
    if (owner && owner->windowHandle())
        help_->windowHandle()->setTransientParent(owner->windowHandle());
    help_->setHtml(QString::fromUtf8(file.readAll()));
    help_->moveCursor(QTextCursor::Start);
    help_->show();
    help_->raise();
    help_->activateWindow();
    return true;
}

bool QtHost::OpenDocument(const std::string& path) {
    const QString file = Q(path);
    return QFileInfo::exists(file) && QDesktopServices::openUrl(QUrl::fromLocalFile(file));
}

void QtHost::SetBusy(bool busy) {
    if (busy) {
        if (busyDepth_++ == 0) QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    } else if (busyDepth_ > 0) {
        if (--busyDepth_ == 0) QGuiApplication::restoreOverrideCursor();
    }
}

void QtHost::Quit() {
    QTimer::singleShot(0, qApp, [] { QCoreApplication::quit(); });
}

}  // namespace kord
