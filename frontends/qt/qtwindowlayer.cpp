#include "frontends/qt/qtwindowlayer.h"

#include "base/fixed_text.h"
#include "present/window/file_units.h"
#include "frontends/qt/childwindow.h"
#include "frontends/qt/fileopendialog.h"
#include "frontends/qt/framewindow.h"
#include "frontends/qt/programlauncher.h"
#include "frontends/qt/templatedialog.h"
#include "present/window/window_geometry.h"
#include "resources/dialog_templates.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QEventLoop>
#include <QIcon>
#include <QLocale>
#include <QMdiArea>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <cstdio>
#include <mutex>
#include <thread>
#include <type_traits>

// The icon's resource lives in this static library; naming it keeps it linked in.
static void initIconResource() { Q_INIT_RESOURCE(korvel); }

namespace korvel {

namespace {

QString fromText(const std::string& text) { return QString::fromStdString(TEXT_BEFORE_ZERO(text)); }

bool onGuiThread() { return QThread::currentThread() == QCoreApplication::instance()->thread(); }

QMessageBox::Icon iconOf(int style) {
    switch (style & 0xF0) {
    case MB_STOP:
        return QMessageBox::Critical;
    case MB_EXCLAMATION:
        return QMessageBox::Warning;
    case MB_INFORMATION:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

int16_t cells(int pixels, int cell) { return static_cast<int16_t>(pixels / cell); }

// What the user is told when a program cannot be started; the path follows the text.
const std::string VIEWER_FAILURE_CAPTION = " Instructions to users";
const std::string VIEWER_FAILURE_TEXT =
    " No browser could be started to show the instructions. You can open this file by hand: ";
const std::string EDITOR_FAILURE_CAPTION = " Create datafile";
const std::string EDITOR_FAILURE_TEXT =
    " No text editor could be started. Write the data file with any plain-text editor and save it in: ";

// The layer's own commands, which act on the window the user sees rather than queue.
bool isLayerCommand(MENU_ROUTINE routine) {
    static const MENU_ROUTINE LAYER_COMMANDS[] = {WIN_NONE, WIN_EXIT,  WIN_SELECT_TEXT, WIN_SELECT_AREA,  WIN_SELECT_ALL,
                                                  WIN_COPY, WIN_PASTE, WIN_SIZE_TO_FIT, WIN_FULL_SCREEN};
    return std::find(std::begin(LAYER_COMMANDS), std::end(LAYER_COMMANDS), routine) != std::end(LAYER_COMMANDS);
}

// What a waiting thread shares with the GUI event that ends its wait.
template <typename Result>
struct Waiting {
    std::mutex mutex;
    std::condition_variable finished;
    bool done = false;
    Result value{};
    QEventLoop* loop = nullptr;
};

}  // namespace

QtWindowLayer::QtWindowLayer() : m_frame(std::make_unique<FrameWindow>()) {
    // Every window without an icon of its own, the child windows among them, shows the program's.
    initIconResource();
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/korvel/korvel-256.png")));
    m_menus = std::make_unique<MenuBarController>(m_frame->menuBar(),
                                                  [this](MENU_ROUTINE routine, bool checked) { choose(routine, checked); });
    m_frame->setExitRequest([this] { exitProgram(); });
}

QtWindowLayer::~QtWindowLayer() = default;

// A pick of one of the program's routines waits its turn; the layer's own commands (the user's
// exit among them) act at once, even while a command waits on a page, a graph or a line.
void QtWindowLayer::choose(MENU_ROUTINE routine, bool checked) {
    if (isLayerCommand(routine))
        routine(checked);
    else
        m_commands.submit(routine, checked);
}

// Every wait ends at once with nothing, so a command that waits runs to its end, deleting its
// working files, and nothing queued runs after it; then the application's loop ends.
void QtWindowLayer::exitProgram() {
    m_commands.close();
    m_frame->exitNow();
}

void QtWindowLayer::showFrame() {
    m_frame->show();
    m_frame->raise();
    m_frame->activateWindow();
}

QWidget* QtWindowLayer::frameOrChild(int window) const {
    return window == FRAME_WINDOW ? static_cast<QWidget*>(m_frame.get()) : child(window);
}

ChildWindow* QtWindowLayer::child(int channel) const {
    const auto found = m_children.find(channel);
    return found == m_children.end() ? nullptr : found->second.data();
}

bool QtWindowLayer::isReadingLine(int channel) const {
    ChildWindow* window = child(channel);
    return window != nullptr && window->surface().isReadingLine();
}

// Runs `call` on the GUI thread and returns its result; a call from another thread waits.
template <typename Call>
auto QtWindowLayer::onGui(Call call) {
    using Result = std::invoke_result_t<Call>;
    if (onGuiThread()) return call();
    if constexpr (std::is_void_v<Result>) {
        QMetaObject::invokeMethod(m_frame.get(), call, Qt::BlockingQueuedConnection);
    } else {
        Result result{};
        QMetaObject::invokeMethod(m_frame.get(), [&] { result = call(); }, Qt::BlockingQueuedConnection);
        return result;
    }
}

// Draws on the active output window; `none` when there is no such window.
template <typename Result, typename Draw>
Result QtWindowLayer::drawing(Result none, Draw draw) {
    return onGui([&]() -> Result {
        ChildWindow* target = m_output.data();
        if (target == nullptr) return none;
        const Result result = draw(target->canvas());
        target->surface().update();
        return result;
    });
}

// Blocks the calling thread until the event that `arm` hooks up hands over its result. On the
// GUI thread a nested event loop keeps the windows painting; another thread simply sleeps.
// `arm` runs on the GUI thread and returns false when there is nothing to wait for.
template <typename Result>
Result QtWindowLayer::waitFor(const std::function<bool(std::function<void(Result)>)>& arm, Result none) {
    auto waiting = std::make_shared<Waiting<Result>>();
    const auto complete = [waiting](Result value) {
        std::lock_guard lock(waiting->mutex);
        if (waiting->done) return;
        waiting->value = value;
        waiting->done = true;
        if (waiting->loop != nullptr) waiting->loop->quit();
        waiting->finished.notify_all();
    };
    if (onGuiThread()) {
        QEventLoop loop;
        waiting->loop = &loop;
        if (!arm(complete)) return none;
        if (!waiting->done) loop.exec();
        std::lock_guard lock(waiting->mutex);
        waiting->loop = nullptr;
        // Left without the event only when the application ends.
        return waiting->done ? waiting->value : none;
    }
    if (!onGui([&] { return arm(complete); })) return none;
    std::unique_lock lock(waiting->mutex);
    waiting->finished.wait(lock, [&] { return waiting->done; });
    return waiting->value;
}

// No routine waits on a window the user cannot see: one put away comes back. A result page is
// complete when it waits for its click; the user then sees all of it, with as much room around
// it as it has on its left.
void QtWindowLayer::showForWait(ChildWindow& window) {
    constexpr int MARGIN = 15;
    if (window.isMinimized()) window.showNormal();
    if (window.canvas().pageCells().isEmpty()) return;
    const QRect drawn = window.canvas().drawnExtent();
    m_frame->showWhole(&window, QSize(drawn.right() + 1 + MARGIN, drawn.bottom() + 1 + MARGIN));
}

// The graph fills the window's new room, drawn again as its command drew it; what the command
// draws next still goes to its own output window.
void QtWindowLayer::redrawGraph(ChildWindow& window) {
    if (!m_graphDrawing || !window.graph() || window.graph()->series.empty() || window.isMinimized()) return;
    const QSize room = window.surfaceRoom(window.size());
    if (room == window.canvas().rect().size()) return;
    WINDOW_CONFIG config;
    RESOLVE_WINDOW_CONFIG(config, room.width(), room.height());
    window.applyConfig(config);
    window.canvas().resetDrawingState();
    window.canvas().clear();
    const GRAPH_PAGE page = *window.graph();
    const QPointer<ChildWindow> output = m_output;
    m_output = &window;
    m_graphDrawing(page);
    m_output = output;
}

QSize QtWindowLayer::screenSize() const {
    const QScreen* screen = m_frame->screen() != nullptr ? m_frame->screen() : QGuiApplication::primaryScreen();
    return screen->size();
}

// --- Windows ---

bool QtWindowLayer::openChildWindow(int channel, const std::string& title) {
    return onGui([&] {
        ChildWindow* window = child(channel);
        if (window == nullptr) {
            window = new ChildWindow(channel, fromText(title));
            window->canvas().setDevicePixelRatio(m_frame->devicePixelRatioF());
            window->setResized([this](ChildWindow& resized) { redrawGraph(resized); });
            m_frame->addChild(window);
            // A window that keeps its defaults (the graph window) is as large as the frame
            // shows it whole, so that nothing drawn across its surface is out of sight.
            const QSize area = m_frame->area()->viewport()->size();
            const QSize room = window->surfaceRoom(area);
            WINDOW_CONFIG defaults;
            RESOLVE_WINDOW_CONFIG(defaults, room.width(), room.height());
            window->applyConfig(defaults);
            window->fitWithin(area);
            m_children[channel] = window;
        } else {
            window->setWindowTitle(fromText(title));
            window->canvas().resetDrawingState();
            window->forgetGraph();
            m_frame->area()->setActiveSubWindow(window);
        }
        m_output = window;
        return true;
    });
}

void QtWindowLayer::closeChannel(int channel) {
    onGui([&] {
        ChildWindow* window = child(channel);
        m_children.erase(channel);
        if (window == nullptr) {
            CLOSE_UNIT(channel);
            return;
        }
        if (m_output == window) m_output = nullptr;
        window->closeByLayer();
    });
}

bool QtWindowLayer::setWindowConfig(WINDOW_CONFIG& config) {
    return onGui([&] {
        if (m_output == nullptr) return false;
        if (!RESOLVE_WINDOW_CONFIG(config, screenSize().width(), screenSize().height())) return false;
        if (!TEXT_BEFORE_ZERO(config.title).empty()) m_output->setWindowTitle(fromText(config.title));
        m_output->applyConfig(config);
        m_output->fitWithin(m_frame->area()->viewport()->size());
        return true;
    });
}

bool QtWindowLayer::getWindowConfig(WINDOW_CONFIG& config) {
    return onGui([&] {
        if (m_output == nullptr) return false;
        config = m_output->canvas().config();
        config.title = m_output->windowTitle().toStdString();
        return true;
    });
}

int QtWindowLayer::setWindowPlacement(int window, const WINDOW_PLACEMENT& placement) {
    return onGui([&] {
        QWidget* target = frameOrChild(window);
        if (target == nullptr) return -1;
        // The frame is placed in pixels, a child window in character cells.
        const int across = window == FRAME_WINDOW ? 1 : CELL_WIDTH;
        const int down = window == FRAME_WINDOW ? 1 : CELL_HEIGHT;
        if (placement.kind == PLACE_MAXIMIZED) {
            target->showMaximized();
        } else if (placement.kind == PLACE_POSITION_AND_SIZE) {
            target->showNormal();
            target->move(placement.x * across, placement.y * down);
            target->resize(placement.width * across, placement.height * down);
        }
        return 0;
    });
}

int QtWindowLayer::getWindowPlacement(int window, int, WINDOW_PLACEMENT& placement) {
    return onGui([&] {
        QWidget* target = frameOrChild(window);
        if (target == nullptr) return -1;
        const int across = window == FRAME_WINDOW ? 1 : CELL_WIDTH;
        const int down = window == FRAME_WINDOW ? 1 : CELL_HEIGHT;
        const QRect area = target->geometry();
        placement.kind = target->isMaximized() ? PLACE_MAXIMIZED : PLACE_POSITION_AND_SIZE;
        placement.x = cells(area.x(), across);
        placement.y = cells(area.y(), down);
        placement.height = cells(area.height(), down);
        placement.width = cells(area.width(), across);
        return 0;
    });
}

void QtWindowLayer::setWindowText(int window, const std::string& text) {
    onGui([&] {
        QWidget* target = frameOrChild(window);
        if (target != nullptr) target->setWindowTitle(fromText(text));
    });
}

WINDOW_RECT QtWindowLayer::getWindowRect(int window) {
    return onGui([&] {
        QRect outer;
        if (window == FRAME_WINDOW) {
            outer = m_frame->frameGeometry();
        } else if (ChildWindow* target = child(window)) {
            outer = QRect(target->parentWidget()->mapToGlobal(target->pos()), target->size());
        }
        return WINDOW_RECT{outer.left(), outer.top(), outer.left() + outer.width(), outer.top() + outer.height()};
    });
}

void QtWindowLayer::focusChannel(int channel) {
    onGui([&] {
        if (ChildWindow* target = child(channel)) m_output = target;
    });
}

int QtWindowLayer::focusedChannel() {
    return onGui([&] {
        const ChildWindow* active = m_frame->activeChild();
        return active == nullptr ? -1 : active->channel();
    });
}

void QtWindowLayer::clearWindow() {
    drawing(true, [](SurfaceCanvas& canvas) {
        canvas.clear();
        return true;
    });
}

void QtWindowLayer::writeText(int channel, const std::string& text) {
    if (std::FILE* file = UNIT_FILE(channel)) {
        std::fprintf(file, "%s\n", text.c_str());
        return;
    }
    onGui([&] {
        if (ChildWindow* target = child(channel)) {
            target->canvas().writeLine(fromText(text));
            target->surface().update();
        }
    });
}

void QtWindowLayer::windowMenuCommand(int code) {
    onGui([&] {
        switch (code) {
        case FRAME_STATUS_BAR:
            m_frame->toggleStatusBar();
            break;
        case FRAME_TILE:
            m_frame->tile();
            break;
        case FRAME_CASCADE:
            m_frame->cascade();
            break;
        case FRAME_ARRANGE_ICONS:
            m_frame->arrangeIcons();
            break;
        default:
            break;
        }
    });
}

// The main routine idles instead of ending, so the frame stays open until the exit command in
// every mode: a valid mode is accepted and changes nothing.
int QtWindowLayer::setExitBehaviour(int mode) { return mode < EXIT_ASK || mode > EXIT_KEEP_OPEN ? -1 : 0; }

// --- Drawing ---

int QtWindowLayer::initializeFonts() {
    return onGui([&] { return m_fonts.faceCount(); });
}

int QtWindowLayer::setFont(const std::string& descriptor) {
    return onGui([&] {
        const auto found = m_fonts.find(descriptor);
        if (!found) return -1;
        if (m_output != nullptr) m_output->canvas().setFont(found->first);
        return found->second;
    });
}

TEXT_POSITION QtWindowLayer::moveTo(int x, int y) {
    return drawing(TEXT_POSITION{}, [&](SurfaceCanvas& canvas) { return canvas.moveTo(x, y); });
}

void QtWindowLayer::drawText(const std::string& text) {
    drawing(true, [&](SurfaceCanvas& canvas) {
        canvas.drawText(fromText(text));
        return true;
    });
}

int QtWindowLayer::textWidth(const std::string& text) {
    return drawing(0, [&](SurfaceCanvas& canvas) { return canvas.textWidth(fromText(text)); });
}

int QtWindowLayer::setColor(int index) {
    return drawing(0, [&](SurfaceCanvas& canvas) { return canvas.setColor(index); });
}

RGB_VALUE QtWindowLayer::setColorRgb(RGB_VALUE value) {
    return drawing(RGB_VALUE{0}, [&](SurfaceCanvas& canvas) { return canvas.setColorRgb(value); });
}

int QtWindowLayer::setTextColor(int index) {
    return drawing(0, [&](SurfaceCanvas& canvas) { return canvas.setTextColor(index); });
}

RGB_VALUE QtWindowLayer::setTextColorRgb(RGB_VALUE value) {
    return drawing(RGB_VALUE{0}, [&](SurfaceCanvas& canvas) { return canvas.setTextColorRgb(value); });
}

int QtWindowLayer::setBackground(int index) {
    return drawing(0, [&](SurfaceCanvas& canvas) { return canvas.setBackground(index); });
}

RGB_VALUE QtWindowLayer::setBackgroundRgb(RGB_VALUE value) {
    return drawing(RGB_VALUE{0}, [&](SurfaceCanvas& canvas) { return canvas.setBackgroundRgb(value); });
}

bool QtWindowLayer::rectangle(int mode, double x1, double y1, double x2, double y2) {
    const auto pixel = [](double value) { return static_cast<int>(std::lround(value)); };
    return drawing(false, [&](SurfaceCanvas& canvas) {
        return canvas.rectangle(mode, pixel(x1), pixel(y1), pixel(x2), pixel(y2));
    });
}

bool QtWindowLayer::lineTo(int x, int y) {
    return drawing(false, [&](SurfaceCanvas& canvas) { return canvas.lineTo(x, y); });
}

void QtWindowLayer::setLineStyle(unsigned mask) {
    drawing(true, [&](SurfaceCanvas& canvas) {
        canvas.setLineStyle(mask);
        return true;
    });
}

bool QtWindowLayer::ellipse(int mode, int x1, int y1, int x2, int y2) {
    return drawing(false, [&](SurfaceCanvas& canvas) { return canvas.ellipse(mode, x1, y1, x2, y2); });
}

bool QtWindowLayer::polygon(int mode, const std::vector<TEXT_POSITION>& points) {
    QPolygon corners;
    for (const TEXT_POSITION& point : points) corners.append(QPoint(point.x, point.y));
    return drawing(false, [&](SurfaceCanvas& canvas) { return canvas.polygon(mode, corners); });
}

void QtWindowLayer::setClipRect(int x1, int y1, int x2, int y2) {
    drawing(true, [&](SurfaceCanvas& canvas) {
        canvas.setClipRect(x1, y1, x2, y2);
        return true;
    });
}

// --- Input and timing ---

MOUSE_RESULT QtWindowLayer::waitMouseEvent(int mask) {
    return waitFor<MOUSE_RESULT>(
        [&](std::function<void(MOUSE_RESULT)> complete) {
            ChildWindow* target = m_output.data();
            if (target == nullptr) return false;
            showForWait(*target);
            target->surface().expectMouse(mask, complete);
            return true;
        },
        MOUSE_RESULT{});
}

std::string QtWindowLayer::readLine(int channel) {
    return waitFor<QString>(
               [&](std::function<void(QString)> complete) {
                   ChildWindow* target = child(channel);
                   if (target == nullptr) return false;
                   showForWait(*target);
                   target->surface().expectLine(complete);
                   return true;
               },
               QString())
        .toStdString();
}

void QtWindowLayer::sleep(int milliseconds) {
    if (!onGuiThread()) {
        std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
        return;
    }
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

void QtWindowLayer::beep(int, int) {
    onGui([] { QApplication::beep(); });
}

void QtWindowLayer::idleForever() {
    if (onGuiThread()) {
        QEventLoop loop;
        loop.exec();
        // The loop ends only with the application.
        std::quick_exit(0);
    }
    for (;;) std::this_thread::sleep_for(std::chrono::hours(24));
}

// --- Messages and dialogs ---

int QtWindowLayer::messageBox(const std::string& text, const std::string& caption, int style) {
    return onGui([&] {
        QMessageBox box(iconOf(style), fromText(caption), fromText(text), QMessageBox::Ok, m_frame.get());
        box.exec();
        // One button: closing the box counts as OK.
        return 1;
    });
}

TemplateDialog* QtWindowLayer::dialogOf(const DIALOG& dialog) const {
    const auto found = m_dialogs.find(dialog.handle);
    return found == m_dialogs.end() ? nullptr : found->second.get();
}

bool QtWindowLayer::dialogInit(int template_id, DIALOG& dialog) {
    return onGui([&] {
        const DialogTemplate* layout = FIND_DIALOG_TEMPLATE(template_id);
        if (layout == nullptr) return false;
        dialog.template_id = template_id;
        dialog.handle = ++m_lastDialog;
        m_dialogs[dialog.handle] = std::make_unique<TemplateDialog>(*layout, m_frame.get());
        return true;
    });
}

void QtWindowLayer::dialogSetCount(DIALOG& dialog, int control, int count) {
    onGui([&] {
        if (TemplateDialog* target = dialogOf(dialog)) target->setCount(control, count);
    });
}

void QtWindowLayer::dialogSetText(DIALOG& dialog, int control, const std::string& text, int index) {
    onGui([&] {
        if (TemplateDialog* target = dialogOf(dialog)) target->setText(control, fromText(text), index);
    });
}

void QtWindowLayer::dialogSetCallback(DIALOG& dialog, int control, DIALOG_CALLBACK routine) {
    onGui([&] {
        if (TemplateDialog* target = dialogOf(dialog)) target->setCallback(control, routine);
    });
}

bool QtWindowLayer::dialogGetText(DIALOG& dialog, int control, std::string& buffer) {
    return onGui([&] {
        const int length = CHARACTER_COUNT(buffer);
        QString text;
        const TemplateDialog* target = dialogOf(dialog);
        const bool found = target != nullptr && target->text(control, text);
        const std::string value = found ? text.toStdString() : std::string();
        buffer = length > 0 ? PAD_TEXT(value, length) : value;
        return found;
    });
}

int QtWindowLayer::dialogModal(DIALOG& dialog) {
    return onGui([&] {
        TemplateDialog* target = dialogOf(dialog);
        return target == nullptr ? -1 : target->runModal(dialog);
    });
}

void QtWindowLayer::dialogExit(DIALOG& dialog) {
    onGui([&] {
        if (TemplateDialog* target = dialogOf(dialog)) target->exit();
    });
}

void QtWindowLayer::dialogUninit(DIALOG& dialog) {
    onGui([&] {
        m_dialogs.erase(dialog.handle);
        dialog.handle = 0;
    });
}

FILE_DIALOG_RESULT QtWindowLayer::openFileDialog(const FILE_DIALOG_REQUEST& request) {
    return onGui([&] { return FileOpenDialog(request).run(m_frame.get()); });
}

// --- Programs ---

bool QtWindowLayer::runProgram(const std::string& command_line) {
    return onGui([&] { return ProgramLauncher::run(fromText(command_line)); });
}

// A program that cannot be started is told, with the path the user can take by hand.
bool QtWindowLayer::runTextEditor() {
    return onGui([&] {
        if (ProgramLauncher::runTextEditor()) return true;
        messageBox(EDITOR_FAILURE_TEXT + QDir::currentPath().toStdString() + ' ', EDITOR_FAILURE_CAPTION, MB_EXCLAMATION);
        return false;
    });
}

bool QtWindowLayer::openDocument(const std::string& name) {
    return onGui([&] {
        const QString path = ProgramLauncher::documentPath(fromText(name));
        return ProgramLauncher::openDocument(path, m_frame.get(), [this, path] {
            messageBox(VIEWER_FAILURE_TEXT + path.toStdString() + ' ', VIEWER_FAILURE_CAPTION, MB_EXCLAMATION);
        });
    });
}

// --- Menus ---

bool QtWindowLayer::appendMenuItem(int menu, int flags, const std::string& text, MENU_ROUTINE routine) {
    return onGui([&] { return m_menus->append(menu, flags, fromText(text), routine); });
}

void QtWindowLayer::setMenuItemFlags(int menu, int item, int flags) {
    onGui([&] { m_menus->setFlags(menu, item, flags); });
}

void QtWindowLayer::standardCommand(StandardCommand command) {
    onGui([&] {
        switch (command) {
        case StandardCommand::None:
            break;
        case StandardCommand::Exit:
            exitProgram();
            break;
        case StandardCommand::SelectText:
            m_frame->selectText();
            break;
        case StandardCommand::SelectArea:
            m_frame->selectArea();
            break;
        case StandardCommand::SelectAll:
            m_frame->selectAll();
            break;
        case StandardCommand::Copy:
            m_frame->copy();
            break;
        case StandardCommand::Paste:
            m_frame->paste();
            break;
        case StandardCommand::SizeToFit:
            m_frame->sizeToFit();
            break;
        case StandardCommand::FullScreen:
            m_frame->toggleFullScreen();
            break;
        }
    });
}

// Always posted: it runs once the caller, and any command running, has returned.
void QtWindowLayer::queueCommand(MENU_ROUTINE routine) {
    QMetaObject::invokeMethod(
        m_frame.get(),
        [this, routine] { m_commands.submit(routine, m_menus->checkStateOf(routine).value_or(false)); },
        Qt::QueuedConnection);
}

// --- Date ---

DATE_TIME QtWindowLayer::currentDateTime() {
    const QDateTime now = QDateTime::currentDateTime();
    const int offset = now.offsetFromUtc() / 60;
    DATE_TIME result;
    result.date = now.toString(QStringLiteral("yyyyMMdd")).toStdString();
    result.time = now.toString(QStringLiteral("hhmmss.zzz")).toStdString();
    result.zone = QStringLiteral("%1%2%3")
                      .arg(offset < 0 ? QLatin1Char('-') : QLatin1Char('+'))
                      .arg(std::abs(offset) / 60, 2, 10, QLatin1Char('0'))
                      .arg(std::abs(offset) % 60, 2, 10, QLatin1Char('0'))
                      .toStdString();
    const QDate date = now.date();
    const QTime time = now.time();
    const int values[8] = {date.year(), date.month(), date.day(), offset, time.hour(), time.minute(), time.second(), time.msec()};
    std::copy(std::begin(values), std::end(values), std::begin(result.values));
    return result;
}

std::string QtWindowLayer::formatDate(const DATE_TIME& when) {
    const QDate date(when.values[0], when.values[1], when.values[2]);
    return QLocale::system().toString(date, QLocale::ShortFormat).toStdString();
}

// The page's cells are kept with the surface they are drawn on, for a copy to carry as text.
void QtWindowLayer::tablePage(const TABLE_PAGE* page) {
    onGui([&] {
        if (m_output == nullptr) return;
        PageCells& cells = m_output->canvas().pageCells();
        if (page != nullptr)
            cells.expect(*page);
        else
            cells.stopExpecting();
    });
}

void QtWindowLayer::graphPage(const GRAPH_PAGE* page) {
    onGui([&] {
        if (m_output != nullptr && page != nullptr) m_output->keepGraph(*page);
    });
}

}  // namespace korvel
