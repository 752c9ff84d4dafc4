// SPDX-FileCopyrightText: 2026 Arcwright developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The Print button on the real window: the sheet as it comes out of Qt's printer binding
// as a PDF file and, when a print service is up, out of a real CUPS queue; what the user is
// told when there is no printer or the queue refuses; and that printing changes nothing.
#include <pwd.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QImage>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QProgressDialog>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <array>
#include <limits>
#include <optional>
#include <thread>

#include "app/planner/planner.h"
#include "app/printing/page_print.h"
#include "app/printing/qt_sheet_printer.h"
#include "app/printing/sending_at_quit.h"
#include "pdf_measure.h"
#include "printserver/print_server.h"
#include "window_harness.h"

using namespace arcwright;
using namespace arcwright::testing;

namespace {

constexpr int kRenderDpi = 200;
// The cove is measured where its flanks stand this far into the board from the face: level 5
// of the profile, 5 pixels up at the rendering resolution.
constexpr int kMouthLevel = 5;
constexpr double kLevelInches = 0.005;
// The longest the window may stand still from a click on Print. The sanitized build runs the
// page's drawing several times slower than the plain one, which this allows for.
#if defined(__SANITIZE_ADDRESS__)
constexpr qint64 kLongestPauseMs = 300;
#else
constexpr qint64 kLongestPauseMs = 100;
#endif

// The private print service of scripts/print-service.sh: its queue, named by PRINTER as a
// user's default printer is, and the file that queue writes each job to.
QString queueName() {
    return qEnvironmentVariable("PRINTER", QStringLiteral("PDF"));
}
QString queueOutput() {
    const QString folder = qEnvironmentVariable("ARCWRIGHT_PRINT_OUT");
    return folder.isEmpty() ? QString() : folder + QLatin1Char('/') + queueName() + ".pdf";
}

struct ToolRun {
    int exitCode = -1;
    QString out;
    QString err;
};

ToolRun run(const QString& program, const QStringList& args) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    process.setProcessEnvironment(env);
    process.start(program, args);
    ToolRun result;
    if (!process.waitForStarted(10'000) || !process.waitForFinished(60'000)) {
        result.err = process.errorString();
        return result;
    }
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = QString::fromUtf8(process.readAllStandardOutput());
    result.err = QString::fromUtf8(process.readAllStandardError());
    return result;
}

// The page's text lines as pdftotext lays them out, blank lines dropped and runs of blanks
// collapsed: the PDF does not keep the exact count of spaces.
QStringList textLines(const QString& pdf) {
    const ToolRun text = run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, "-"});
    if (text.exitCode != 0) return {QStringLiteral("<pdftotext failed: %1>").arg(text.err)};
    QStringList lines;
    for (QString line : text.out.split(QLatin1Char('\n'))) {
        line = line.simplified();
        if (!line.isEmpty() && line != QLatin1String("\f")) lines << line;
    }
    return lines;
}

struct SheetText {
    QString width = QStringLiteral("4.");
    QString thickness = QStringLiteral("0.75");
    QString angle = QStringLiteral("45");
    QString blade = QStringLiteral("0.5");
    QString cut = QStringLiteral("3.082 in. ( 3 1/16+ in. )");
    QString resolution = QStringLiteral("16");
};

// The text of the sheet, the start-up set-up unless told otherwise.
QStringList sheetText(const SheetText& t = {}) {
    return {QStringLiteral("Arcwright 1.0"),
            QStringLiteral("By Verrow"),
            QStringLiteral("Board width = %1 in.").arg(t.width),
            QStringLiteral("Board thickness = %1 in.").arg(t.thickness),
            QStringLiteral("Board angle to saw blade =%1°").arg(t.angle),
            QStringLiteral("Blade height =%1 in.").arg(t.blade),
            QStringLiteral("Cut width =%1").arg(t.cut),
            QStringLiteral("Resolution was set to: %1").arg(t.resolution)};
}

// The start-up sheet with one box changed to a huge value, written as the sheet writes it.
QStringList hugeSheetText(const QString& box, double value) {
    SheetText text;
    if (box == QLatin1String("Text4")) {
        text.width = QString::fromStdString(formatNumber(value, "#.#####"));
    } else {
        text.thickness = QString::fromStdString(formatNumber(value, "0.#####"));
    }
    return sheetText(text);
}

// The text lines of one page of the PDF, counted from 1.
QStringList pageTextLines(const QString& pdf, int page) {
    const QString number = QString::number(page);
    const ToolRun text =
        run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), QStringLiteral("-f"), number,
                                          QStringLiteral("-l"), number, pdf, "-"});
    if (text.exitCode != 0) return {QStringLiteral("<pdftotext failed: %1>").arg(text.err)};
    QStringList lines;
    for (QString line : text.out.split(QLatin1Char('\n'))) {
        line = line.simplified();
        if (!line.isEmpty() && line != QLatin1String("\f")) lines << line;
    }
    return lines;
}

int pageCount(const QString& pdf) {
    const ToolRun info = run(QStringLiteral("pdfinfo"), {pdf});
    const auto match = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info.out);
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

// What of the drawing can be measured on the printed page, in inches.
struct BoardOnPaper {
    QRectF board;          // the board's rectangle, from the page's top left
    double apexDepth = 0;  // how far the cove reaches up from the face, on the centre line
    double mouthLeft = 0;  // the flanks at level kMouthLevel, from the board's left edge
    double mouthRight = 0;
};

bool dark(const QImage& image, int x, int y) {
    return qGray(image.pixel(x, y)) < 160;
}

// Longest run of dark pixels in a row: only the board's long edges are an inch or more.
std::pair<int, int> longestRun(const QImage& image, int y) {
    std::pair<int, int> best{0, -1};
    int start = -1;
    for (int x = 0; x <= image.width(); ++x) {
        const bool on = x < image.width() && dark(image, x, y);
        if (on && start < 0) start = x;
        if (!on && start >= 0) {
            if (x - 1 - start > best.second - best.first) best = {start, x - 1};
            start = -1;
        }
    }
    return best;
}

std::optional<BoardOnPaper> measureBoard(const QString& pdf, const QString& workDir) {
    const QString prefix = workDir + QStringLiteral("/page");
    const ToolRun render =
        // Without anti-aliasing, so the one-dot lines come out solid black.
        run(QStringLiteral("pdftoppm"),
            {QStringLiteral("-r"), QString::number(kRenderDpi), QStringLiteral("-aa"),
             QStringLiteral("no"), QStringLiteral("-aaVector"), QStringLiteral("no"),
             QStringLiteral("-png"), QStringLiteral("-singlefile"), pdf, prefix});
    QImage page(prefix + QStringLiteral(".png"));
    if (render.exitCode != 0 || page.isNull()) return std::nullopt;

    int top = -1;
    int bottom = -1;
    int left = 0;
    int right = 0;
    for (int y = 0; y < page.height(); ++y) {
        const auto [from, to] = longestRun(page, y);
        if (to - from < kRenderDpi) continue;
        if (top < 0) {
            top = y;
            left = from;
            right = to;
        } else if (y > top + 2) {
            bottom = y;
        }
    }
    if (top < 0 || bottom < 0) return std::nullopt;

    const double dpi = kRenderDpi;
    BoardOnPaper found;
    found.board = QRectF(left / dpi, top / dpi, (right - left) / dpi, (bottom - top) / dpi);
    const int centre = (left + right) / 2;
    for (int y = top + 3; y < bottom - 2; ++y) {
        if (dark(page, centre, y)) {
            found.apexDepth = (bottom - y) / dpi;
            break;
        }
    }
    const int nearFace = bottom - static_cast<int>(std::lround(kMouthLevel * kLevelInches * dpi));
    // From the centre line outward, so text overlapping a deep board's end is not taken
    // for the cove.
    int mouthLeft = centre;
    int mouthRight = centre;
    while (mouthLeft > left && !dark(page, mouthLeft, nearFace)) --mouthLeft;
    while (mouthRight < right && !dark(page, mouthRight, nearFace)) ++mouthRight;
    found.mouthLeft = (mouthLeft - left) / dpi;
    found.mouthRight = (mouthRight - left) / dpi;
    return found;
}

// Where pdftotext places a word: the top left of its box, in points from the page's corner.
std::optional<QPointF> wordTopLeft(const QString& pdf, const QString& word) {
    const ToolRun boxes = run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, "-"});
    const QRegularExpression wordBox(
        QStringLiteral("<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\"[^>]*>%1</word>")
            .arg(QRegularExpression::escape(word)));
    const auto match = wordBox.match(boxes.out);
    if (!match.hasMatch()) return std::nullopt;
    return QPointF(match.captured(1).toDouble(), match.captured(2).toDouble());
}

// What printing could disturb: every caption and box with its colour, the results of the
// last recomputation, and the look of the whole window (options, scroll bar, views).
struct WindowState {
    QStringList values;
    QImage look;
};

WindowState snapshot(Form1& window) {
    WindowState state;
    for (const auto* label : window.findChildren<QLabel*>()) {
        state.values << QStringLiteral("%1 '%2' %3")
                            .arg(label->objectName(), label->text())
                            .arg(label->isHidden());
    }
    for (const auto* edit : window.findChildren<QLineEdit*>()) {
        state.values << QStringLiteral("%1 '%2' %3")
                            .arg(edit->objectName(), edit->text(),
                                 edit->palette().color(QPalette::Base).name());
    }
    const CoveSolution& s = (window).calculator().solution();
    state.values << QStringLiteral("levels %1, profile %2, 1/%3")
                        .arg(s.pointCount)
                        .arg(qHashBits(s.profileWidth.data(), sizeof(s.profileWidth)))
                        .arg((window).calculator().minFraction());
    state.look = window.grab().toImage();
    return state;
}

void expectUnchanged(const WindowState& before, Form1& window) {
    const WindowState after = snapshot(window);
    QCOMPARE(after.values, before.values);
    QVERIFY2(after.look == before.look, "the window looks different after printing");
}

std::unique_ptr<QPrinter> pdfPrinter(const QString& file) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(file);
    return printer;
}

// Stands in for the desktop: records what the user is told and answers the print dialog.
struct Desk {
    QStringList told;
    int dialogs = 0;
    QString dialogChoosesFile;  // empty: the dialog is cancelled

    PrintHooks hooks(std::function<std::unique_ptr<QPrinter>()> defaultPrinter = {}) {
        PrintHooks h;
        h.defaultPrinter = std::move(defaultPrinter);
        h.tell = [this](const QString& message) { told << message; };
        h.choosePrinter = [this](QPrinter& printer) {
            ++dialogs;
            if (dialogChoosesFile.isEmpty()) return false;
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(dialogChoosesFile);
            return true;
        };
        return h;
    }
};

// A document of two pages, as the fence template will print one: the set-up triangle, then
// a sheet of the saw table's plan. Each page has its own text and drawing; the document
// says it was printed only when the second page could be started and the whole ended.
const QStringList kFirstPageText{QStringLiteral("Set-up triangle")};
const QStringList kSecondPageText{QStringLiteral("Saw table, sheet 1 of 1")};

bool drawTwoPages(SheetPrinter& page) {
    page.setUnitPoints();
    page.setFontName("Times New Roman");
    page.setFontSize(15);
    page.drawRectangle(0, 0, 288, 54);
    page.setTextPosition(10, 180);
    page.printText("Set-up triangle", true);
    const bool next = page.newPage();
    page.drawLine(0, 100, 400, 100);
    page.setTextPosition(10, 180);
    page.printText("Saw table, sheet 1 of 1", true);
    return page.endDocument() && next;
}

void expectTwoPages(const QString& pdf) {
    QCOMPARE(pageCount(pdf), 2);
    QCOMPARE(pageTextLines(pdf, 1), kFirstPageText);
    QCOMPARE(pageTextLines(pdf, 2), kSecondPageText);
}

QPushButton* printButton(const Form1& window) {
    auto* button = control<QPushButton>(window, "Command1");
    return button && button->isVisible() && button->isEnabled() ? button : nullptr;
}

void prepare(Form1& window, const QString& setup) {
    if (setup == QLatin1String("too wide")) {
        box(window, "Text4")->setText(QStringLiteral("2"));
        QVERIFY(control<QLabel>(window, "Label2")->isVisible());
    } else if (setup == QLatin1String("deep cove")) {
        // More levels than an outline of 1000 points holds; the text block overlaps the board.
        box(window, "Text4")->setText(QStringLiteral("6"));
        box(window, "Text3")->setText(QStringLiteral("2.7"));
        box(window, "Text2")->setText(QStringLiteral("20"));
        box(window, "Text1")->setText(QStringLiteral("2.6"));
        QVERIFY((window).calculator().solution().pointCount > 499);
    } else if (setup == QLatin1String("32nds")) {
        control<QAbstractButton>(window, "Option5")->click();
        QCOMPARE((window).calculator().minFraction(), 32);
    } else if (setup == QLatin1String("blade height high")) {
        control<QAbstractButton>(window, "Option3")->click();
        control<QAbstractButton>(window, "Command9")->click();  // 1/4 in. up: refused
        QVERIFY(control<QLabel>(window, "Label1")->isVisible());
    }
}

// The job's PDF once it is complete, waiting up to 30 s.
QString awaitPdf(const QString& pdf, int pages = 1) {
    const QDeadlineTimer deadline(30'000);
    while (!deadline.hasExpired()) {
        if (QFileInfo::exists(pdf) && pageCount(pdf) == pages) return pdf;
        QTest::qWait(250);
    }
    return {};
}

// Whether the default printer is the private service's file queue, running, so that this
// test can read back what it printed.
QString cupsQueueUnavailable() {
    if (queueOutput().isEmpty()) {
        return QStringLiteral("no private print service (ARCWRIGHT_PRINT_OUT is not set)");
    }
    if (!run(QStringLiteral("lpstat"), {QStringLiteral("-r")})
             .out.contains(QLatin1String("scheduler is running"))) {
        return QStringLiteral(
            "the CUPS client tools are missing or the private print service "
            "is down; scripts/print-service.sh says why");
    }
    const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
    if (printer.isNull() || printer.printerName() != queueName()) {
        return QStringLiteral("the default printer is '%1', not the private %2 queue")
            .arg(printer.printerName(), queueName());
    }
    const ToolRun device = run(QStringLiteral("lpstat"), {QStringLiteral("-v"), queueName()});
    if (!device.out.contains(queueOutput())) {
        return QStringLiteral("the %1 queue does not write to %2").arg(queueName(), queueOutput());
    }
    return {};
}

// The board's end on paper at full size, and the cove the window worked out rising from its
// lower face on the centre line.
void expectFullSizeDrawing(const QString& pdf, const Form1& window, QSizeF board, bool cove) {
    const QTemporaryDir work;
    const auto found = measureBoard(pdf, work.path());
    QVERIFY(found);
    const double pixel = 1.0 / kRenderDpi;
    const auto near = [&](double measured, double expected, double slack) {
        return qAbs(measured - expected) <= slack;
    };
    QVERIFY2(near(found->board.width(), board.width(), 2.5 * pixel) &&
                 near(found->board.height(), board.height(), 2.5 * pixel),
             qPrintable(QStringLiteral("board %1 x %2 in.")
                            .arg(found->board.width())
                            .arg(found->board.height())));
    if (!cove) return;
    const CoveSolution& s = (window).calculator().solution();
    const double apex = kLevelInches * (s.pointCount + 1);
    QVERIFY2(near(found->apexDepth, apex, 2.5 * pixel),
             qPrintable(QStringLiteral("apex %1 in. up, not %2").arg(found->apexDepth).arg(apex)));
    const double opening = found->mouthRight - found->mouthLeft;
    const double expected = s.profileWidth[kMouthLevel];
    // The flanks are steep near the face: a pixel up or down moves them more than a pixel.
    QVERIFY2(near(opening, expected, 8 * pixel),
             qPrintable(QStringLiteral("cove %1 in. wide, not %2").arg(opening).arg(expected)));
    QVERIFY(near(found->mouthLeft + opening / 2, board.width() / 2, 2.5 * pixel));
}

// Printing to a queue goes on after the click returns: the print system is asked for its
// printer and handed the page off the window's thread. Waits until that is over and the
// status line has gone again (a page that went out is reported there for a few seconds).
void awaitPrintDone(const Form1& window) {
    const auto done = [&window] {
        const PagePrint* printing = PagePrint::of(&window);
        return (printing == nullptr || !printing->busy()) &&
               window.findChild<QLabel*>(QStringLiteral("printStatus")) == nullptr;
    };
    QTRY_VERIFY_WITH_TIMEOUT(done(), 40'000);
}

QLabel* printStatus(const Form1& window) {
    return window.findChild<QLabel*>(QStringLiteral("printStatus"));
}

// A hung print server: takes every connection on a local socket and never says a word.
class SilentServer {
  public:
    explicit SilentServer(const QString& path) : path_(path) {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const QByteArray name = QFile::encodeName(path);
        if (name.size() >= static_cast<qsizetype>(sizeof(address.sun_path))) return;
        std::copy(name.begin(), name.end(), address.sun_path);
        listener_ = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (listener_ < 0 ||
            bind(listener_, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) != 0 ||
            listen(listener_, 16) != 0) {
            return;
        }
        notifier_ = std::make_unique<QSocketNotifier>(listener_, QSocketNotifier::Read);
        QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] {
            const int client = accept(listener_, nullptr, nullptr);
            if (client >= 0) clients_.push_back(client);
        });
    }
    ~SilentServer() {
        notifier_.reset();
        for (int client : clients_) close(client);
        if (listener_ >= 0) close(listener_);
        QFile::remove(path_);
    }
    SilentServer(const SilentServer&) = delete;
    SilentServer& operator=(const SilentServer&) = delete;

    bool listening() const { return notifier_ != nullptr; }
    int connections() const { return static_cast<int>(clients_.size()); }

  private:
    QString path_;
    int listener_ = -1;
    std::unique_ptr<QSocketNotifier> notifier_;
    std::vector<int> clients_;
};

// Points this process's print system at `value` for as long as it lives.
class EnvironmentOverride {
  public:
    EnvironmentOverride(const char* name, const QByteArray& value)
        : name_(name), had_(qEnvironmentVariableIsSet(name)), old_(qgetenv(name)) {
        if (value.isNull()) {
            qunsetenv(name);
        } else {
            qputenv(name, value);
        }
    }
    ~EnvironmentOverride() {
        if (had_) {
            qputenv(name_, old_);
        } else {
            qunsetenv(name_);
        }
    }
    EnvironmentOverride(const EnvironmentOverride&) = delete;
    EnvironmentOverride& operator=(const EnvironmentOverride&) = delete;

  private:
    const char* name_;
    bool had_;
    QByteArray old_;
};

// How long this thread has stood ready to run while other programs had the processor, in
// ms (the machine's other builds and tests share its cores).
double msWaitingForTheProcessor() {
    QFile stats(QStringLiteral("/proc/thread-self/schedstat"));
    if (!stats.open(QIODevice::ReadOnly)) return 0.0;
    const QList<QByteArray> fields = stats.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toDouble() / 1e6 : 0.0;
}

// The longest pause of the event loop while it runs: a timer every 10 ms notes the gaps,
// less the time the window's thread only waited for a processor. What is left is what the
// program itself spent working or waiting on the window's thread.
class LoopWatch {
  public:
    LoopWatch() {
        tick_.setInterval(10);
        QObject::connect(&tick_, &QTimer::timeout, [this] { sample(); });
        clock_.start();
        waited_ = msWaitingForTheProcessor();
        tick_.start();
    }
    void stop() {
        if (!tick_.isActive()) return;
        sample();
        tick_.stop();
    }
    qint64 longestGap() const { return longest_; }
    qint64 longestGapEnded() const { return longestEnded_; }
    qint64 elapsed() const { return clock_.elapsed(); }

  private:
    void sample() {
        const qint64 now = clock_.elapsed();
        const double waited = msWaitingForTheProcessor();
        const auto gap = static_cast<qint64>(static_cast<double>(now - last_) - (waited - waited_));
        if (gap > longest_) {
            longest_ = gap;
            longestEnded_ = now;
        }
        last_ = now;
        waited_ = waited;
    }
    QElapsedTimer clock_;
    QTimer tick_;
    qint64 last_ = 0;
    double waited_ = 0.0;
    qint64 longest_ = 0;
    qint64 longestEnded_ = 0;
};

// The PDFs the private queue kept, one a job (ARCWRIGHT_PRINT_JOBS), in the order of the
// jobs: by the number in the file's name, then by the time it was written.
QFileInfoList jobPdfs(const QString& folder) {
    QFileInfoList files =
        QDir(folder).entryInfoList({QStringLiteral("*.pdf")}, QDir::Files, QDir::NoSort);
    const auto number = [](const QFileInfo& file) {
        const auto match = QRegularExpression(QStringLiteral("(\\d+)")).match(file.baseName());
        return match.hasMatch() ? match.captured(1).toLongLong() : -1;
    };
    std::sort(files.begin(), files.end(), [&](const QFileInfo& a, const QFileInfo& b) {
        if (number(a) != number(b)) return number(a) < number(b);
        return a.lastModified() < b.lastModified();
    });
    return files;
}

// Whether the shared library `file` (a name such as "libcups.so.2") is in this process.
bool libraryLoaded(const QString& file) {
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly)) return false;
    const QByteArray suffix = '/' + file.toUtf8();
    for (const QByteArray& line : maps.readAll().split('\n')) {
        if (line.trimmed().endsWith(suffix)) return true;
    }
    return false;
}

int threadCount() {
    return static_cast<int>(QDir(QStringLiteral("/proc/self/task"))
                                .entryList(QDir::Dirs | QDir::NoDotAndDotDot)
                                .size());
}

// A long dark line on the page, in inches: the longest run of dark pixels along any row
// (`across`) or column.
double longestLine(const QString& pdf, const QString& workDir, bool across) {
    const QString prefix = workDir + QStringLiteral("/lines");
    run(QStringLiteral("pdftoppm"),
        {QStringLiteral("-r"), QStringLiteral("50"), QStringLiteral("-aa"), QStringLiteral("no"),
         QStringLiteral("-aaVector"), QStringLiteral("no"), QStringLiteral("-png"),
         QStringLiteral("-singlefile"), pdf, prefix});
    const QImage page(prefix + QStringLiteral(".png"));
    if (page.isNull()) return 0.0;
    const QImage image = across ? page : page.transformed(QTransform().rotate(90));
    int longest = 0;
    for (int y = 0; y < image.height(); ++y) {
        const auto [from, to] = longestRun(image, y);
        longest = std::max(longest, to - from + 1);
    }
    return longest / 50.0;
}

}  // namespace

class PrintTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        dir_ = std::make_unique<QTemporaryDir>();
        QVERIFY(dir_->isValid());
    }

    // libcups, and the dozen libraries it brings, stay out of the program until the print
    // server is first asked for something: opening the window and the planner leave it out.
    // First of all, before any test touches Qt's printers (whose print system plugin links
    // libcups itself).
    void printSystemOpenedOnFirstUse() {
        const QString library = QString::fromLatin1(kCupsLibraryFile);
        QVERIFY2(!libraryLoaded(library), "libcups is in the program before the window opens");
        const auto window = openWindow();
        control<QPushButton>(*window, "CommandPlan")->click();
        QVERIFY(window->findChild<Planner*>());
        QCoreApplication::processEvents();
        QVERIFY2(!libraryLoaded(library), "opening the window loaded libcups");

        const EnvironmentOverride nowhere("CUPS_SERVER",
                                          QFile::encodeName(dir_->filePath("none.sock")));
        std::optional<DefaultQueue> found;
        std::thread([&] {
            found = findDefaultQueue({PrintClock::now() + std::chrono::seconds(5), {}});
        }).join();
        QCOMPARE(found->answer, ServerAnswer::NoServer);
        QVERIFY2(libraryLoaded(library), "asking the print server did not open libcups");
    }

    void sheetOnPaper_data() {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QStringList>("text");
        QTest::addColumn<QSizeF>("board");  // inches
        QTest::addColumn<bool>("cove");

        QTest::newRow("start-up") << "start-up" << sheetText() << QSizeF(4, 0.75) << true;
        QTest::newRow("too wide") << "too wide" << sheetText({.width = "2.", .cut = "0. in. ( / )"})
                                  << QSizeF(2, 0.75) << false;
        QTest::newRow("deep cove") << "deep cove"
                                   << sheetText({.width = "6.",
                                                 .thickness = "2.7",
                                                 .angle = "20",
                                                 .blade = "2.6",
                                                 .cut = "3. in. ( 3 /+in. )"})
                                   << QSizeF(6, 2.7) << true;
        QTest::newRow("32nds") << "32nds" << sheetText({.resolution = "32"}) << QSizeF(4, 0.75)
                               << true;
        QTest::newRow("blade height high")
            << "blade height high" << sheetText() << QSizeF(4, 0.75) << true;
    }
    void sheetOnPaper() {
        QFETCH(QString, setup);
        QFETCH(QStringList, text);
        QFETCH(QSizeF, board);
        QFETCH(bool, cove);

        const auto window = openWindow();
        prepare(*window, setup);
        const QString pdf = dir_->filePath(QStringLiteral("sheet.pdf"));
        Desk desk;
        window->setPrintHooks(desk.hooks([&] { return pdfPrinter(pdf); }));
        const WindowState before = snapshot(*window);

        QVERIFY(printButton(*window));
        printButton(*window)->click();

        QCOMPARE(desk.told, QStringList());
        QCOMPARE(desk.dialogs, 0);
        expectUnchanged(before, *window);
        QCOMPARE(pageCount(pdf), 1);
        QCOMPARE(textLines(pdf), text);

        expectFullSizeDrawing(pdf, *window, board, cove);
    }

    // The start-up cove reaches 0.505 in. up from the face; the text block starts 180 pt
    // below the board's top edge, 10 pt in, in bold Times New Roman's stand-in.
    void layoutOfTheStartUpSheet() {
        const auto window = openWindow();
        const QString pdf = dir_->filePath(QStringLiteral("sheet.pdf"));
        Desk desk;
        QPointF printable;  // top left of the printable area, points
        window->setPrintHooks(desk.hooks([&] {
            auto printer = pdfPrinter(pdf);
            printable = printer->pageLayout().paintRectPoints().topLeft();
            return printer;
        }));
        printButton(*window)->click();

        const auto found = measureBoard(pdf, dir_->path());
        QVERIFY(found);
        QVERIFY2(qAbs(found->apexDepth - 0.505) < 2.5 / kRenderDpi,
                 qPrintable(QString::number(found->apexDepth)));

        // The board's corner is the origin: the top left of the printable area.
        const QPointF origin = found->board.topLeft() * 72.0;
        QVERIFY2((origin - printable).manhattanLength() < 1.5,
                 qPrintable(
                     QStringLiteral("board corner at %1, %2 pt").arg(origin.x()).arg(origin.y())));
        const auto title = wordTopLeft(pdf, QStringLiteral("Arcwright"));
        QVERIFY(title);
        QVERIFY2(
            qAbs(title->x() - origin.x() - 10) < 1.5 && qAbs(title->y() - origin.y() - 180) < 1.5,
            qPrintable(QStringLiteral("title at %1, %2 pt from the board's corner")
                           .arg(title->x() - origin.x())
                           .arg(title->y() - origin.y())));
        // The following lines start at the left edge of the printable area, one line of
        // 15-point type apart.
        const auto width = wordTopLeft(pdf, QStringLiteral("width"));
        const auto thickness = wordTopLeft(pdf, QStringLiteral("thickness"));
        const auto resolution = wordTopLeft(pdf, QStringLiteral("Resolution"));
        const auto cut = wordTopLeft(pdf, QStringLiteral("Cut"));
        QVERIFY(width && thickness && resolution && cut);
        QVERIFY(qAbs(cut->x() - origin.x()) < 1.0);
        const double line = resolution->y() - cut->y();
        QVERIFY2(line > 15 && line < 19, qPrintable(QString::number(line)));
        QVERIFY(qAbs(thickness->y() - width->y() - 2 * line) < 0.5);

        const ToolRun fonts = run(QStringLiteral("pdffonts"), {pdf});
        QVERIFY2(fonts.out.contains(QLatin1String("LiberationSerif-Bold")), qPrintable(fonts.out));
        QVERIFY2(fonts.out.contains(QRegularExpression(QStringLiteral("LiberationSerif\\s"))),
                 qPrintable(fonts.out));
    }

    // Text without a line break leaves the position after it; a break returns to the left
    // edge one line down.
    void textContinuesOrBreaks() {
        const QString pdf = dir_->filePath(QStringLiteral("text.pdf"));
        const auto printer = pdfPrinter(pdf);
        const QPointF printable = printer->pageLayout().paintRectPoints().topLeft();
        QtSheetPrinter sheet(*printer);
        sheet.setUnitPoints();
        sheet.setFontName("Times New Roman");
        sheet.setFontSize(15);
        sheet.setTextPosition(100, 50);
        sheet.printText("Left ", false);
        sheet.printText("Right", true);
        sheet.printText("Next", true);
        QVERIFY(sheet.endDocument());

        const auto left = wordTopLeft(pdf, QStringLiteral("Left"));
        const auto right = wordTopLeft(pdf, QStringLiteral("Right"));
        const auto next = wordTopLeft(pdf, QStringLiteral("Next"));
        QVERIFY(left && right && next);
        QVERIFY(qAbs(left->x() - printable.x() - 100) < 1.0);
        QVERIFY(qAbs(left->y() - printable.y() - 50) < 1.5);
        // "Left " is about two 15-point ems wide.
        QVERIFY2(right->x() - left->x() > 20 && right->x() - left->x() < 38,
                 qPrintable(QString::number(right->x() - left->x())));
        QCOMPARE(right->y(), left->y());
        QVERIFY(qAbs(next->x() - printable.x()) < 1.0);
        QVERIFY2(next->y() - left->y() > 15 && next->y() - left->y() < 19,
                 qPrintable(QString::number(next->y() - left->y())));
    }

    // Trouble before the page goes out: the user is told, and nothing in the window moves.
    void printerTrouble_data() {
        QTest::addColumn<bool>("defaultPrinter");  // false: none is set up
        QTest::addColumn<bool>("dialogChoosesFile");
        QTest::addColumn<QString>("told");
        QTest::addColumn<int>("dialogs");
        QTest::addColumn<bool>("printed");
        QTest::newRow("no printer, dialog cancelled")
            << false << false << "No printer" << 1 << false;
        QTest::newRow("no printer, PDF file chosen") << false << true << "No printer" << 1 << true;
        QTest::newRow("file cannot be written")
            << true << false << "missing-folder/sheet.pdf could not be written" << 0 << false;
    }
    void printerTrouble() {
        QFETCH(bool, defaultPrinter);
        QFETCH(bool, dialogChoosesFile);
        QFETCH(QString, told);
        QFETCH(int, dialogs);
        QFETCH(bool, printed);

        const auto window = openWindow();
        Desk desk;
        const QString chosen = dir_->filePath(QStringLiteral("chosen.pdf"));
        if (dialogChoosesFile) desk.dialogChoosesFile = chosen;
        const QString unwritable = dir_->filePath(QStringLiteral("missing-folder/sheet.pdf"));
        window->setPrintHooks(desk.hooks([&]() -> std::unique_ptr<QPrinter> {
            return defaultPrinter ? pdfPrinter(unwritable) : nullptr;
        }));
        const WindowState before = snapshot(*window);
        if (defaultPrinter) QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");

        printButton(*window)->click();

        QCOMPARE(desk.told.size(), 1);
        QVERIFY2(desk.told.first().contains(told), qPrintable(desk.told.first()));
        QCOMPARE(desk.dialogs, dialogs);
        expectUnchanged(before, *window);
        QCOMPARE(QFileInfo::exists(chosen), printed);
        if (printed) QCOMPARE(textLines(chosen), sheetText());
    }

    // Every offer of a PDF file starts in a folder that can be written, named after the
    // document: the documents folder where there is one, made where the desktop's folder
    // settings name it, the home folder otherwise. Checked in a home folder of the test's
    // own, through the print dialog with no printer and through "Save as PDF…" after a
    // failure, by saving the sheet where it was offered.
    void pdfStartsInAWritableFolder_data() {
        QTest::addColumn<QString>("path");    // how the PDF is offered
        QTest::addColumn<QString>("home");    // what the home folder holds
        QTest::addColumn<QString>("folder");  // where the file is offered, in the home folder
        const QList<std::array<const char*, 3>> homes{
            {"documents folder there", "Documents/", "Documents"},
            {"no documents folder", "", ""},
            {"settings name a missing folder", "user-dirs=$HOME/Papers", "Papers"},
            {"settings name the missing Documents", "user-dirs=$HOME/Documents", "Documents"},
            {"settings name a folder that cannot be made", "sheet|user-dirs=$HOME/sheet/Papers",
             ""},
            {"settings turn the folder off", "user-dirs=$HOME/", ""},
            {"documents folder read-only", "Documents/read-only", ""},
        };
        for (const char* path : {"print dialog", "save as PDF"}) {
            for (const auto& [name, home, folder] : homes) {
                QTest::addRow("%s, %s", path, name) << path << home << folder;
            }
        }
    }
    void pdfStartsInAWritableFolder() {
        QFETCH(QString, path);
        QFETCH(QString, home);
        QFETCH(QString, folder);
        if (home.endsWith(QLatin1String("read-only")) && geteuid() == 0) {
            QSKIP("root writes into a read-only folder");
        }
        const QString homeFolder = dir_->filePath(QStringLiteral("home"));
        QVERIFY(QDir().mkpath(homeFolder));
        const EnvironmentOverride homeVariable("HOME", QFile::encodeName(homeFolder));
        const EnvironmentOverride configHome("XDG_CONFIG_HOME", QByteArray());
        QDir inHome(homeFolder);
        for (const QString& item : home.split(QLatin1Char('|'), Qt::SkipEmptyParts)) {
            if (item.startsWith(QLatin1String("user-dirs="))) {
                QVERIFY(inHome.mkpath(QStringLiteral(".config")));
                QFile settings(inHome.filePath(QStringLiteral(".config/user-dirs.dirs")));
                QVERIFY(settings.open(QIODevice::WriteOnly));
                settings.write("# written by the test\nXDG_DESKTOP_DIR=\"$HOME/Desktop\"\n");
                settings.write("XDG_DOCUMENTS_DIR=\"" + item.mid(10).toUtf8() + "\"\n");
            } else if (item.startsWith(QLatin1String("Documents/"))) {
                QVERIFY(inHome.mkpath(QStringLiteral("Documents")));
                if (item.endsWith(QLatin1String("read-only"))) {
                    QFile::setPermissions(inHome.filePath(QStringLiteral("Documents")),
                                          QFile::ReadOwner | QFile::ExeOwner);
                }
            } else {
                QFile file(inHome.filePath(item));  // a file where a folder would go
                QVERIFY(file.open(QIODevice::WriteOnly));
            }
        }
        const auto restore = qScopeGuard([&] {
            QFile::setPermissions(inHome.filePath(QStringLiteral("Documents")),
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        });

        const auto window = openWindow();
        Desk desk;
        QString offered;
        QString documentName;
        PrintHooks hooks;
        if (path == QLatin1String("print dialog")) {
            hooks = desk.hooks([]() -> std::unique_ptr<QPrinter> { return nullptr; });
            hooks.choosePrinter = [&](QPrinter& printer) {
                offered = printer.outputFileName();
                documentName = printer.docName();
                return true;  // saved where it was offered
            };
        } else {
            QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
            const QString unwritable = dir_->filePath(QStringLiteral("missing-folder/sheet.pdf"));
            hooks = desk.hooks([unwritable] { return pdfPrinter(unwritable); });
            hooks.offerPdf = [](const QString&) { return true; };
            hooks.choosePdfFile = [&](const QString& suggested) {
                offered = suggested;
                return suggested;
            };
        }
        window->setPrintHooks(hooks);

        printButton(*window)->click();

        const QString expected =
            QDir(inHome.filePath(folder)).filePath(QStringLiteral("Arcwright set-up sheet.pdf"));
        QCOMPARE(QDir::cleanPath(offered), QDir::cleanPath(expected));
        if (path == QLatin1String("print dialog")) {
            QCOMPARE(documentName, QStringLiteral("Arcwright set-up sheet"));
        }
        QCOMPARE(textLines(offered), sheetText());
        // The documents folder is made only where the settings ask for it.
        if (!home.contains(QLatin1String("Documents"))) {
            QVERIFY(!QFileInfo::exists(inHome.filePath(QStringLiteral("Documents"))));
        }
    }

    // Run by app.print_test.without_service with the print service out of reach: the real
    // printer look-up finds none, the user is told and offered the dialog.
    void withoutPrintService() {
        if (!QPrinterInfo::defaultPrinter().isNull()) {
            QSKIP("a default printer is set up here; app.print_test.without_service covers this");
        }
        const auto window = openWindow();
        Desk desk;
        window->setPrintHooks(desk.hooks());
        const WindowState before = snapshot(*window);

        QTest::mouseClick(printButton(*window), Qt::LeftButton);
        awaitPrintDone(*window);

        QCOMPARE(desk.told.size(), 1);
        QCOMPARE(desk.dialogs, 1);
        expectUnchanged(before, *window);
    }

    // A real print: the Print button on the default CUPS queue, which writes a PDF.
    void throughThePrintService() {
        if (const QString why = cupsQueueUnavailable(); !why.isEmpty()) QSKIP(qPrintable(why));
        const QString output = queueOutput();
        QFile::remove(output);  // each job overwrites the queue's one file
        const auto window = openWindow();
        Desk desk;
        window->setPrintHooks(desk.hooks());  // the real default printer
        const WindowState unchanged = snapshot(*window);

        QTest::mouseClick(printButton(*window), Qt::LeftButton);
        awaitPrintDone(*window);

        QCOMPARE(desk.told, QStringList());
        QCOMPARE(desk.dialogs, 0);
        expectUnchanged(unchanged, *window);
        const QString pdf = awaitPdf(output);
        QVERIFY2(!pdf.isEmpty(), qPrintable(QStringLiteral("no PDF came out as %1").arg(output)));
        QCOMPARE(textLines(pdf), sheetText());
        const auto removePdf = qScopeGuard([&] { QFile::remove(pdf); });
        expectFullSizeDrawing(pdf, *window, QSizeF(4, 0.75), true);
    }

    // The planner's set-up template on the default CUPS queue: it comes out of the queue
    // at true scale, its fence edge at the planner's angle.
    void fenceTemplateThroughThePrintService() {
        if (const QString why = cupsQueueUnavailable(); !why.isEmpty()) QSKIP(qPrintable(why));
        const QString output = queueOutput();
        QFile::remove(output);  // each job overwrites the queue's one file
        const auto window = openWindow();
        control<QPushButton>(*window, "CommandPlan")->click();
        auto* planner = window->findChild<Planner*>();
        QVERIFY(planner);
        for (const auto& [name, text] : {std::pair{"planCoveWidth", "3"},
                                         {"planCoveDepth", "5/8"},
                                         {"planBoardWidth", "4"},
                                         {"planBoardThickness", "3/4"}}) {
            box(*planner, name)->setText(QString::fromLatin1(text));
        }
        Desk desk;
        planner->setPrintHooks(desk.hooks());  // the real default printer

        QTest::mouseClick(control<QPushButton>(*planner, "planPrint"), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(PagePrint::of(planner) && !PagePrint::of(planner)->busy(), 40'000);

        QCOMPARE(desk.told, QStringList());
        QCOMPARE(desk.dialogs, 0);
        // The set-up page, then the plan of the saw table on four sheets of the queue's letter
        // paper.
        const QString pdf = awaitPdf(output, 5);
        QVERIFY2(!pdf.isEmpty(), qPrintable(QStringLiteral("no PDF came out as %1").arg(output)));
        const auto removePdf = qScopeGuard([&] { QFile::remove(pdf); });
        const double theta = planner->model().result().angleDeg;
        const auto found = measureTemplate(pdf, theta, 0.75 * 72.0);
        QVERIFY2(found, "no set-up triangle on the page");
        QVERIFY2(qAbs(found->fenceAngle - theta) < 0.1,
                 qPrintable(QStringLiteral("%1° for %2°").arg(found->fenceAngle).arg(theta)));
        const std::vector<double> printed = printedLengths(pdf);
        for (const double edge : found->edges) {
            QVERIFY2(std::any_of(printed.begin(), printed.end(),
                                 [&](double p) { return qAbs(p - edge / 72.0) < 0.003; }),
                     qPrintable(QStringLiteral("no printed length for %1 in.").arg(edge / 72.0)));
        }
        QCOMPARE(found->boardSides.size(), std::size_t{2});
        QVERIFY(qAbs(qAbs(found->boardSides[1] - found->boardSides[0]) - 4.0 * 72.0) < 0.1);
    }

    // A queue chosen in the print dialog: Qt's printer for it writes the page into a spool
    // file, which goes to the queue off the window's thread like any other page.
    void chosenQueue() {
        if (const QString why = cupsQueueUnavailable(); !why.isEmpty()) QSKIP(qPrintable(why));
        const QString output = queueOutput();
        QFile::remove(output);  // each job overwrites the queue's one file
        const auto window = openWindow();
        Desk desk;
        window->setPrintHooks(desk.hooks([] {
            return std::make_unique<QPrinter>(QPrinterInfo::printerInfo(queueName()),
                                              QPrinter::HighResolution);
        }));

        printButton(*window)->click();
        QVERIFY(PagePrint::of(window.get())->busy());
        awaitPrintDone(*window);

        QCOMPARE(desk.told, QStringList());
        const QString pdf = awaitPdf(output);
        QVERIFY2(!pdf.isEmpty(), qPrintable(QStringLiteral("no PDF came out as %1").arg(output)));
        const auto removePdf = qScopeGuard([&] { QFile::remove(pdf); });
        QCOMPARE(textLines(pdf), sheetText());
        expectFullSizeDrawing(pdf, *window, QSizeF(4, 0.75), true);
    }

    // A queue that refuses jobs must not look like a printed sheet.
    void refusedByTheQueue() {
        if (const QString why = cupsQueueUnavailable(); !why.isEmpty()) QSKIP(qPrintable(why));
        QCOMPARE(run(QStringLiteral("cupsreject"), {queueName()}).exitCode, 0);
        const auto accept = qScopeGuard([] { run(QStringLiteral("cupsaccept"), {queueName()}); });
        const auto window = openWindow();
        Desk desk;
        window->setPrintHooks(desk.hooks());
        const WindowState before = snapshot(*window);

        printButton(*window)->click();
        awaitPrintDone(*window);

        QCOMPARE(desk.told.size(), 1);
        QVERIFY2(desk.told.first().contains(queueName()), qPrintable(desk.told.first()));
        QCOMPARE(desk.dialogs, 0);
        expectUnchanged(before, *window);
    }

    // A print server that takes the connection and never answers: the window keeps
    // running, says it is waiting, puts a second click in line behind the first, and after
    // the time limit says in one sentence that the server does not answer and that the
    // waiting sheet is not printed either, offering to save the first as PDF.
    void silentPrintServer_data() {
        QTest::addColumn<QByteArray>("printer");  // PRINTER, null: not set
        QTest::addColumn<bool>("saveAsPdf");
        QTest::newRow("default queue from the server") << QByteArray() << true;
        QTest::newRow("queue named by PRINTER") << QByteArray("PDF") << false;
    }
    void silentPrintServer() {
        QFETCH(QByteArray, printer);
        QFETCH(bool, saveAsPdf);
        const QString socket = dir_->filePath(QStringLiteral("silent.sock"));
        SilentServer server(socket);
        QVERIFY(server.listening());
        const EnvironmentOverride cupsServer("CUPS_SERVER", QFile::encodeName(socket));
        const EnvironmentOverride printerName("PRINTER", printer);

        const auto window = openWindow();
        const QString saved = dir_->filePath(QStringLiteral("saved.pdf"));
        constexpr std::chrono::milliseconds kLimit{2000};
        Desk desk;
        PrintHooks hooks = desk.hooks();
        hooks.serverLimit = kLimit;
        QStringList offered;
        QString suggested;
        std::optional<LoopWatch> watch;
        qint64 offeredAfter = -1;
        hooks.offerPdf = [&](const QString& message) {
            watch->stop();
            offeredAfter = watch->elapsed();
            offered << message;
            return saveAsPdf;
        };
        hooks.choosePdfFile = [&](const QString& suggestion) {
            suggested = suggestion;
            return saved;
        };
        window->setPrintHooks(hooks);
        const WindowState before = snapshot(*window);

        watch.emplace();
        QTest::mouseClick(printButton(*window), Qt::LeftButton);
        QTest::qWait(300);
        QCOMPARE(window->cursor().shape(), Qt::BusyCursor);
        QVERIFY(printStatus(*window) && printStatus(*window)->isVisible());
        QVERIFY2(printStatus(*window)->text().contains(QLatin1String("printer")),
                 qPrintable(printStatus(*window)->text()));
        QCOMPARE(server.connections(), 1);
        QTest::mouseClick(printButton(*window), Qt::LeftButton);  // waits in line
        QCOMPARE(PagePrint::of(window.get())->waiting(), 1);
        QVERIFY2(printStatus(*window)->text().endsWith(QStringLiteral("… 1 more waiting.")),
                 qPrintable(printStatus(*window)->text()));

        QTRY_VERIFY_WITH_TIMEOUT(!offered.isEmpty(), 10'000);
        qInfo(
            "longest pause of the window: %lld ms, ending %lld ms after the click; told after "
            "%lld ms",
            static_cast<long long>(watch->longestGap()),
            static_cast<long long>(watch->longestGapEnded()), static_cast<long long>(offeredAfter));
        QVERIFY2(watch->longestGap() <= kLongestPauseMs,
                 qPrintable(
                     QStringLiteral("the window stood still for %1 ms").arg(watch->longestGap())));
        QVERIFY2(offeredAfter >= kLimit.count() - 100 && offeredAfter <= kLimit.count() + 1500,
                 qPrintable(QStringLiteral("told after %1 ms").arg(offeredAfter)));
        const QString& message = offered.first();
        QVERIFY2(message.contains(QLatin1String("nor the page waiting after it")),
                 qPrintable(message));
        QVERIFY2(message.contains(QLatin1String("print server does not answer")) &&
                     message.endsWith(QLatin1Char('.')) && !message.contains(QLatin1Char('\n')) &&
                     message.count(QLatin1Char('.')) == 1,
                 qPrintable(message));
        QTest::qWait(300);
        QCOMPARE(offered.size(), 1);
        QCOMPARE(desk.told, QStringList());
        QCOMPARE(desk.dialogs, 0);  // the print dialog would ask the silent server too
        QCOMPARE(window->cursor().shape(), Qt::ArrowCursor);
        QVERIFY(!printStatus(*window));
        QVERIFY(!PagePrint::of(window.get())->busy());
        expectUnchanged(before, *window);
        if (saveAsPdf) {
            QCOMPARE(QFileInfo(suggested).fileName(), QStringLiteral("Arcwright set-up sheet.pdf"));
            QCOMPARE(pageCount(saved), 1);
            QCOMPARE(textLines(saved), sheetText());
        } else {
            QVERIFY(suggested.isEmpty());
            QVERIFY(!QFileInfo::exists(saved));
        }
    }

    // Presses of Print as fast as the mouse goes, while the sheets before them are on their
    // way: every press gives its own sheet, in order, each with the window as it stood at
    // its press, and the window never stands still meanwhile.
    void everyPressGivesASheet() {
        if (const QString why = cupsQueueUnavailable(); !why.isEmpty()) QSKIP(qPrintable(why));
        const QString jobs = qEnvironmentVariable("ARCWRIGHT_PRINT_JOBS");
        if (jobs.isEmpty()) {
            QSKIP(
                "the private print service keeps only its latest job (ARCWRIGHT_PRINT_JOBS "
                "is not set)");
        }
        QStringList before;
        for (const QFileInfo& file : jobPdfs(jobs)) before << file.fileName();
        constexpr int kPresses = 50;
        const auto window = openWindow();
        Desk desk;
        window->setPrintHooks(desk.hooks());
        auto* printing = new PagePrint(window.get());  // the one the Print button uses
        QList<bool> finished;
        connect(printing, &PagePrint::finished, [&](bool printed) { finished << printed; });
        QStringList widths;
        int mostWaiting = 0;

        LoopWatch watch;
        for (int press = 0; press < kPresses; ++press) {
            // A board a hundredth wider each time, so each sheet shows which press it is.
            const QString width = QString::number(4.01 + press * 0.01, 'f', 2);
            box(*window, "Text4")->setText(width);
            widths << QString::fromStdString(formatNumber(width.toDouble(), "#.#####"));
            QTest::mouseClick(printButton(*window), Qt::LeftButton);
            const int waiting = printing->waiting();
            mostWaiting = std::max(mostWaiting, waiting);
            if (waiting > 0) {
                QVERIFY(printStatus(*window));
                QVERIFY2(printStatus(*window)->text().contains(
                             QStringLiteral("%1 more waiting.").arg(waiting)),
                         qPrintable(printStatus(*window)->text()));
            }
            QTest::qWait(15);
        }
        QTRY_VERIFY_WITH_TIMEOUT(!printing->busy(), 100'000);
        watch.stop();
        qInfo(
            "%d presses: longest pause of the window %lld ms, at most %d waiting, all sent "
            "after %lld ms",
            kPresses, static_cast<long long>(watch.longestGap()), mostWaiting,
            static_cast<long long>(watch.elapsed()));

        QVERIFY2(desk.told.isEmpty(), qPrintable(desk.told.join(QLatin1Char('\n'))));
        QCOMPARE(finished, QList<bool>(kPresses, true));
        QVERIFY2(mostWaiting > 0, "no press came while a sheet was on its way");
        QFileInfoList sheets;
        const QDeadlineTimer deadline(60'000);
        while (!deadline.hasExpired()) {
            sheets.clear();
            for (const QFileInfo& file : jobPdfs(jobs)) {
                if (!before.contains(file.fileName())) sheets << file;
            }
            if (sheets.size() >= kPresses) break;
            QTest::qWait(250);
        }
        QCOMPARE(sheets.size(), kPresses);
        for (int press = 0; press < kPresses; ++press) {
            QCOMPARE(textLines(sheets[press].filePath()), sheetText({.width = widths[press]}));
        }
        QVERIFY2(
            watch.longestGap() <= kLongestPauseMs,
            qPrintable(QStringLiteral("the window stood still for %1 ms").arg(watch.longestGap())));
    }

    // What becomes of a press waiting behind a sheet that is not printed: given up with a
    // word where the sheet before it failed or the user cancelled, sent on in turn where
    // the sheet before it was printed.
    void pressesWaitingBehindTrouble_data() {
        QTest::addColumn<QString>("trouble");
        QTest::addColumn<int>("told");        // messages without an offer
        QTest::addColumn<int>("dialogs");     // print dialogs opened
        QTest::addColumn<QString>("offer");   // a part of the one offer to save as PDF, or ""
        QTest::addColumn<QString>("status");  // a part of the status line afterwards, or ""
        QTest::addColumn<QList<bool>>("finished");
        QTest::newRow("no printer, dialog cancelled")
            << "no printer" << 1 << 1 << ""
            << "The page waiting was given up." << QList<bool>{false, false};
        QTest::newRow("no printer, PDF file chosen each time") << "no printer, file" << 2 << 2 << ""
                                                               << "" << QList<bool>{true, true};
        QTest::newRow("silent print server")
            << "silent" << 0 << 0 << "was not printed, nor the page waiting after it."
            << "" << QList<bool>{false, false};
        QTest::newRow("refused by the queue")
            << "refused" << 0 << 0 << "The page waiting after it was given up."
            << "" << QList<bool>{false, false};
    }
    void pressesWaitingBehindTrouble() {
        QFETCH(QString, trouble);
        QFETCH(int, told);
        QFETCH(int, dialogs);
        QFETCH(QString, offer);
        QFETCH(QString, status);
        QFETCH(QList<bool>, finished);
        std::optional<SilentServer> silent;
        std::optional<EnvironmentOverride> server;
        std::optional<EnvironmentOverride> printer;
        if (trouble.startsWith(QLatin1String("no printer"))) {
            server.emplace("CUPS_SERVER", QFile::encodeName(dir_->filePath("none.sock")));
            printer.emplace("PRINTER", QByteArray());
        } else if (trouble == QLatin1String("silent")) {
            silent.emplace(dir_->filePath(QStringLiteral("silent.sock")));
            QVERIFY(silent->listening());
            server.emplace("CUPS_SERVER", QFile::encodeName(dir_->filePath("silent.sock")));
        } else {
            if (const QString why = cupsQueueUnavailable(); !why.isEmpty()) QSKIP(qPrintable(why));
            QCOMPARE(run(QStringLiteral("cupsreject"), {queueName()}).exitCode, 0);
        }
        const auto accept = qScopeGuard([&] {
            if (trouble == QLatin1String("refused"))
                run(QStringLiteral("cupsaccept"), {queueName()});
        });
        const auto window = openWindow();
        Desk desk;
        const QString chosen = dir_->filePath(QStringLiteral("chosen.pdf"));
        if (trouble.endsWith(QLatin1String("file"))) desk.dialogChoosesFile = chosen;
        PrintHooks hooks = desk.hooks();
        hooks.serverLimit = std::chrono::milliseconds(1000);
        QStringList offered;
        hooks.offerPdf = [&](const QString& message) {
            offered << message;
            return false;
        };
        window->setPrintHooks(hooks);
        auto* printing = new PagePrint(window.get());
        QList<bool> results;
        connect(printing, &PagePrint::finished, [&](bool printed) { results << printed; });

        printButton(*window)->click();
        printButton(*window)->click();  // while the first looks for its printer
        QCOMPARE(printing->waiting(), 1);
        QTRY_VERIFY_WITH_TIMEOUT(!printing->busy(), 20'000);

        QCOMPARE(desk.told.size(), told);
        if (told == 1) {
            QVERIFY2(desk.told.first().contains(QLatin1String("One more is waiting")),
                     qPrintable(desk.told.first()));
        }
        QCOMPARE(desk.dialogs, dialogs);
        QCOMPARE(offered.size(), offer.isEmpty() ? 0 : 1);
        if (!offer.isEmpty())
            QVERIFY2(offered.first().contains(offer), qPrintable(offered.first()));
        if (!status.isEmpty()) {
            QVERIFY(printStatus(*window));
            QVERIFY2(printStatus(*window)->text().contains(status),
                     qPrintable(printStatus(*window)->text()));
        }
        QCOMPARE(results, finished);
        if (trouble.endsWith(QLatin1String("file"))) QCOMPARE(textLines(chosen), sheetText());
    }

    // The line behind a sheet on its way holds PagePrint::kMostWaiting presses: one more is
    // not taken, and the status line says so. Closing the window drops them all at once.
    void pressesBeyondTheLine() {
        const QString socket = dir_->filePath(QStringLiteral("silent.sock"));
        SilentServer server(socket);
        QVERIFY(server.listening());
        const EnvironmentOverride cupsServer("CUPS_SERVER", QFile::encodeName(socket));
        auto window = openWindow();
        Desk desk;
        PrintHooks hooks = desk.hooks();
        hooks.serverLimit = std::chrono::seconds(60);
        QStringList offered;
        hooks.offerPdf = [&](const QString& message) {
            offered << message;
            return false;
        };
        window->setPrintHooks(hooks);
        auto* printing = new PagePrint(window.get());
        int finished = 0;
        connect(printing, &PagePrint::finished, [&] { ++finished; });

        for (int press = 0; press <= PagePrint::kMostWaiting; ++press)
            printButton(*window)->click();
        QCOMPARE(printing->waiting(), PagePrint::kMostWaiting);
        QVERIFY(!printStatus(*window)->text().contains(QLatin1String("not taken")));
        printButton(*window)->click();
        QCOMPARE(printing->waiting(), PagePrint::kMostWaiting);
        const QString said = printStatus(*window)->text();
        QVERIFY2(said.contains(QStringLiteral("%1 more waiting.").arg(PagePrint::kMostWaiting)) &&
                     said.contains(QLatin1String("A press was not taken")),
                 qPrintable(said));

        QElapsedTimer closing;
        closing.start();
        window.reset();
        QVERIFY2(closing.elapsed() < 500, qPrintable(QString::number(closing.elapsed())));
        QTest::qWait(200);
        QCOMPARE(finished, 0);
        QCOMPARE(offered, QStringList());
        QCOMPARE(desk.told, QStringList());
    }

    // Handing a page to a server that went silent after naming its printer: the hand-over
    // gives up at its deadline, or at once when stopped.
    void handOverToASilentServer_data() {
        QTest::addColumn<bool>("stopped");
        QTest::newRow("deadline") << false;
        QTest::newRow("stop request") << true;
    }
    void handOverToASilentServer() {
        QFETCH(bool, stopped);
        const QString socket = dir_->filePath(QStringLiteral("silent.sock"));
        SilentServer server(socket);
        QVERIFY(server.listening());
        const EnvironmentOverride cupsServer("CUPS_SERVER", QFile::encodeName(socket));
        const QString pdf = dir_->filePath(QStringLiteral("page.pdf"));
        QFile(pdf).open(QIODevice::WriteOnly);
        const QueueJob job{"PDF", pdf.toStdString(), "Arcwright set-up sheet", {}};
        std::stop_source stop;
        const auto deadline = PrintClock::now() + std::chrono::milliseconds(stopped ? 30'000 : 800);
        std::optional<JobReceipt> receipt;
        QElapsedTimer clock;
        clock.start();
        std::jthread worker([&] { receipt = submitJob(job, {deadline, stop.get_token()}); });
        QTest::qWait(300);  // the server takes the connection meanwhile
        if (stopped) stop.request_stop();
        worker.join();
        QVERIFY(receipt);
        QCOMPARE(receipt->answer, stopped ? ServerAnswer::Stopped : ServerAnswer::NoAnswer);
        QVERIFY2(clock.elapsed() < (stopped ? 500 : 2000),
                 qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(server.connections(), 1);
    }

    // Closing the window while the print server keeps it waiting: no crash, no wait, and
    // no thread left behind.
    void closingWhileWaiting_data() {
        QTest::addColumn<QByteArray>("printer");  // PRINTER, null: not set
        QTest::newRow("default queue from the server") << QByteArray();
        QTest::newRow("queue named by PRINTER") << QByteArray("PDF");
    }
    void closingWhileWaiting() {
        QFETCH(QByteArray, printer);
        const QString socket = dir_->filePath(QStringLiteral("silent.sock"));
        SilentServer server(socket);
        QVERIFY(server.listening());
        const EnvironmentOverride cupsServer("CUPS_SERVER", QFile::encodeName(socket));
        const EnvironmentOverride printerName("PRINTER", printer);
        auto window = openWindow();
        Desk desk;
        PrintHooks hooks = desk.hooks();
        hooks.serverLimit = std::chrono::seconds(60);
        hooks.offerPdf = [](const QString&) {
            QTest::qFail("nothing may be offered once the window is gone", __FILE__, __LINE__);
            return false;
        };
        window->setPrintHooks(hooks);
        const int threads = threadCount();

        printButton(*window)->click();
        QTest::qWait(200);
        QVERIFY(PagePrint::of(window.get())->busy());
        QCOMPARE(threadCount(), threads + 2);  // the wait and the watch on its deadline
        QElapsedTimer closing;
        closing.start();
        window.reset();
        QVERIFY2(closing.elapsed() < 500, qPrintable(QString::number(closing.elapsed())));
        QCOMPARE(threadCount(), threads);
        QTest::qWait(200);
        QCOMPARE(desk.told, QStringList());
    }

    // Presses of Print, then the window closed at once, as the title bar's X does: before
    // the program ends every sheet goes to the queue under a small note, unless the user
    // cancels the note (the sheets still waiting are given up, none is sent afterwards) or
    // the server is silent (its one usual message, then the program ends).
    void closingSendsEverySheet_data() {
        QTest::addColumn<QString>("server");  // "private", "silent"
        QTest::addColumn<int>("presses");
        QTest::addColumn<bool>("cancel");
        QTest::addColumn<QString>("offer");  // a part of the one message, or "" for none
        QTest::newRow("30 presses, all sent") << "private" << 30 << false << "";
        QTest::newRow("30 presses, note cancelled") << "private" << 30 << true << "";
        QTest::newRow("silent print server")
            << "silent" << 5 << false << "nor the 4 pages waiting after it.";
    }
    void closingSendsEverySheet() {
        QFETCH(QString, server);
        QFETCH(int, presses);
        QFETCH(bool, cancel);
        QFETCH(QString, offer);
        const bool silent = server == QLatin1String("silent");
        const QString jobs = qEnvironmentVariable("ARCWRIGHT_PRINT_JOBS");
        std::optional<SilentServer> silentServer;
        std::optional<EnvironmentOverride> cupsServer;
        if (silent) {
            silentServer.emplace(dir_->filePath(QStringLiteral("silent.sock")));
            QVERIFY(silentServer->listening());
            cupsServer.emplace("CUPS_SERVER", QFile::encodeName(dir_->filePath("silent.sock")));
        } else if (const QString why = cupsQueueUnavailable(); !why.isEmpty()) {
            QSKIP(qPrintable(why));
        } else if (jobs.isEmpty()) {
            QSKIP("the private print service keeps only its latest job");
        }
        QStringList before;
        if (!silent) {
            for (const QFileInfo& file : jobPdfs(jobs)) before << file.fileName();
        }
        const auto sent = [&] {
            int count = 0;
            for (const QFileInfo& file : jobPdfs(jobs)) count += !before.contains(file.fileName());
            return count;
        };

        auto window = openWindow();
        Desk desk;
        PrintHooks hooks = desk.hooks();
        if (silent) hooks.serverLimit = std::chrono::milliseconds(1000);
        QStringList offered;
        hooks.offerPdf = [&](const QString& message) {
            offered << message;
            return false;
        };
        window->setPrintHooks(hooks);
        auto* printing = new PagePrint(window.get());
        QList<bool> finished;
        connect(printing, &PagePrint::finished, [&](bool printed) { finished << printed; });
        for (int press = 0; press < presses; ++press) printButton(*window)->click();
        QVERIFY(window->close());
        QCOMPARE(documentsOnTheirWay(), presses);

        // What the note says while it stands, and the user's Cancel once the first sheet went.
        QStringList noteSaid;
        QElapsedTimer sinceCancel;
        QTimer watchNote;
        connect(&watchNote, &QTimer::timeout, [&] {
            QProgressDialog* note = nullptr;
            for (QWidget* widget : QApplication::topLevelWidgets()) {
                if (widget->objectName() == QLatin1String("sendingSheets"))
                    note = qobject_cast<QProgressDialog*>(widget);
            }
            if (note == nullptr || !note->isVisible()) return;
            if (noteSaid.isEmpty() || noteSaid.last() != note->labelText())
                noteSaid << note->labelText();
            if (cancel && !sinceCancel.isValid() && !finished.isEmpty()) {
                sinceCancel.start();
                note->findChild<QPushButton*>()->click();
            }
        });
        watchNote.start(5);
        QElapsedTimer sending;
        sending.start();
        sendBeforeQuitting();
        watchNote.stop();
        const qint64 took = sending.elapsed();
        qInfo("%d presses, closed: the program could end after %lld ms", presses,
              static_cast<long long>(took));

        QVERIFY2(!noteSaid.isEmpty(), "no note while the sheets were sent");
        QCOMPARE(noteSaid.first(), QStringLiteral("Sending %1 sheets…").arg(presses));
        QCOMPARE(offered.size(), offer.isEmpty() ? 0 : 1);
        if (!offer.isEmpty())
            QVERIFY2(offered.first().contains(offer), qPrintable(offered.first()));
        QCOMPARE(desk.told, QStringList());
        window.reset();
        if (cancel) {
            QVERIFY(sinceCancel.isValid());
            QVERIFY2(sinceCancel.elapsed() < 1500,
                     qPrintable(QString::number(sinceCancel.elapsed())));
            QVERIFY2(finished.contains(false), "Cancel gave nothing up");
            // The sheets the queue had in hand come out; nothing after the program let go.
            QTRY_VERIFY_WITH_TIMEOUT(sent() >= finished.count(true), 30'000);
            QTest::qWait(1500);
            const int out = sent();
            QVERIFY2(out >= 1 && out < presses, qPrintable(QString::number(out)));
            QTest::qWait(1000);
            QCOMPARE(sent(), out);
        } else if (silent) {
            QCOMPARE(finished, QList<bool>(presses, false));
            QVERIFY2(took < 5000, qPrintable(QString::number(took)));
        } else {
            QCOMPARE(finished, QList<bool>(presses, true));
            QTRY_COMPARE_WITH_TIMEOUT(sent(), presses, 60'000);
        }
    }

    // Sizes whose printer coordinates reach past what the PDF writer can write: the page
    // stays readable, with its text and the part of the board that lies on the paper.
    void hugeSizes_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("across");  // the board runs off the page to the right
        QTest::newRow("width 3579140") << "Text4"
                                       << "3579140" << true;
        QTest::newRow("width 1e16") << "Text4"
                                    << "1e16" << true;
        QTest::newRow("width 1e30") << "Text4"
                                    << "1e30" << true;
        QTest::newRow("thickness 1e20") << "Text3"
                                        << "1e20" << false;
    }
    void hugeSizes() {
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(bool, across);
        const auto window = openWindow();
        arcwright::testing::box(*window, qPrintable(box))->setText(typed);
        const QString pdf = dir_->filePath(QStringLiteral("huge.pdf"));
        Desk desk;
        window->setPrintHooks(desk.hooks([&] { return pdfPrinter(pdf); }));

        printButton(*window)->click();

        QCOMPARE(desk.told, QStringList());
        QCOMPARE(pageCount(pdf), 1);
        QCOMPARE(textLines(pdf), hugeSheetText(box, typed.toDouble()));
        // The board's long edges run on to the edge of the paper.
        QVERIFY2(longestLine(pdf, dir_->path(), across) > (across ? 7.0 : 9.0),
                 qPrintable(QString::number(longestLine(pdf, dir_->path(), across))));
    }

    // The same through a real queue: what comes out of it is the whole sheet.
    void hugeWidthThroughThePrintService() {
        if (const QString why = cupsQueueUnavailable(); !why.isEmpty()) QSKIP(qPrintable(why));
        const QString output = queueOutput();
        QFile::remove(output);  // each job overwrites the queue's one file
        const auto window = openWindow();
        box(*window, "Text4")->setText(QStringLiteral("1e16"));
        Desk desk;
        window->setPrintHooks(desk.hooks());

        printButton(*window)->click();
        awaitPrintDone(*window);

        QCOMPARE(desk.told, QStringList());
        const QString pdf = awaitPdf(output);
        QVERIFY2(!pdf.isEmpty(), qPrintable(QStringLiteral("no PDF came out as %1").arg(output)));
        const auto removePdf = qScopeGuard([&] { QFile::remove(pdf); });
        QCOMPARE(textLines(pdf), hugeSheetText(QStringLiteral("Text4"), 1e16));
        QVERIFY(longestLine(pdf, dir_->path(), true) > 7.0);
    }

    // A page that went out is reported in the status line for a moment, and the window
    // never stands still while the queue takes it.
    void reportsTheJob() {
        if (const QString why = cupsQueueUnavailable(); !why.isEmpty()) QSKIP(qPrintable(why));
        const QString output = queueOutput();
        QFile::remove(output);  // each job overwrites the queue's one file
        const auto window = openWindow();
        Desk desk;
        window->setPrintHooks(desk.hooks());
        LoopWatch watch;
        printButton(*window)->click();
        QVERIFY(PagePrint::of(window.get()));
        QTRY_VERIFY_WITH_TIMEOUT(!PagePrint::of(window.get())->busy(), 30'000);
        watch.stop();
        qInfo("longest pause of the window: %lld ms", static_cast<long long>(watch.longestGap()));
        QVERIFY(printStatus(*window));
        const QString reported = printStatus(*window)->text();
        QVERIFY2(reported.contains(QRegularExpression(
                     QStringLiteral("went to %1 as job \\d+\\.$").arg(queueName()))),
                 qPrintable(reported));
        QVERIFY2(
            watch.longestGap() <= kLongestPauseMs,
            qPrintable(QStringLiteral("the window stood still for %1 ms").arg(watch.longestGap())));
        awaitPrintDone(*window);
        const QString pdf = awaitPdf(output);
        QVERIFY(!pdf.isEmpty());
        QFile::remove(pdf);
    }

    // Any document, not only the sheet, comes out readable from Qt's printer binding on its
    // own: what it cannot write is clipped or left out, and its text stays.
    void anyDocumentStaysReadable_data() {
        QTest::addColumn<QString>("drawing");
        QTest::newRow("line far to the right") << "line";
        QTest::newRow("rectangle far down") << "rectangle";
        QTest::newRow("text far away") << "text";
        QTest::newRow("NaN and infinite ends") << "nan";
    }
    void anyDocumentStaysReadable() {
        QFETCH(QString, drawing);
        const QString pdf = dir_->filePath(QStringLiteral("document.pdf"));
        const auto printer = pdfPrinter(pdf);
        QtSheetPrinter page(*printer);
        page.setUnitPoints();
        page.setFontName("Times New Roman");
        page.setFontSize(15);
        constexpr float kFar = 3e38F;
        if (drawing == QLatin1String("line")) page.drawLine(0, 0, kFar, 10);
        if (drawing == QLatin1String("rectangle")) page.drawRectangle(0, 0, 100, kFar);
        if (drawing == QLatin1String("text")) {
            page.setTextPosition(kFar, kFar);
            page.printText("Nowhere", true);
        }
        if (drawing == QLatin1String("nan")) {
            page.drawLine(0, 0, std::numeric_limits<float>::quiet_NaN(), 10);
            page.drawLine(0, 0, std::numeric_limits<float>::infinity(), 10);
        }
        page.setTextPosition(10, 180);
        page.printText("Fence template", true);
        QVERIFY(page.endDocument());

        QCOMPARE(pageCount(pdf), 1);
        QCOMPARE(textLines(pdf), QStringList{QStringLiteral("Fence template")});
    }

    // A print preview gets the page as printing would, on its own printer, with nothing
    // diverted to a queue's spool file (with a print service up, the preview's printer is
    // the default queue's).
    void printPreview() {
        QPrintPreviewDialog dialog;
        const DrawPage template_ = [](SheetPrinter& page) {
            page.setUnitPoints();
            page.setFontName("Times New Roman");
            page.setFontSize(15);
            page.drawRectangle(0, 0, 7.2e17F, 54);
            page.setTextPosition(10, 180);
            page.printText("Fence template", true);
            return page.endDocument();
        };
        bool drawn = false;
        connect(&dialog, &QPrintPreviewDialog::paintRequested,
                [&](QPrinter* printer) { drawn = drawPageOn(*printer, template_); });
        auto* preview = dialog.findChild<QPrintPreviewWidget*>();
        QVERIFY(preview);
        preview->updatePreview();
        QVERIFY(drawn);
        QCOMPARE(preview->pageCount(), 1);
        QVERIFY(dialog.printer()->outputFileName().isEmpty());
    }

    // A document of two pages comes out as two pages, each with its own text, whichever way
    // it is printed: to a file named by the printer, to a file saved after the printer
    // failed, to the default queue (drawn by a PDF writer), to a queue chosen in the dialog
    // (Qt's printer into a spool file), and in a print preview.
    void documentOfTwoPages_data() {
        QTest::addColumn<QString>("path");
        QTest::newRow("printer writing a file") << "file";
        QTest::newRow("saved as PDF after a failure") << "saved";
        QTest::newRow("default queue") << "default queue";
        QTest::newRow("queue chosen in the dialog") << "chosen queue";
        QTest::newRow("print preview") << "preview";
    }
    void documentOfTwoPages() {
        QFETCH(QString, path);
        const bool queue = path.endsWith(QLatin1String("queue"));
        if (queue) {
            if (const QString why = cupsQueueUnavailable(); !why.isEmpty()) QSKIP(qPrintable(why));
            QFile::remove(queueOutput());  // the queue's latest job
        }
        if (path == QLatin1String("preview")) {
            QPrintPreviewDialog dialog;
            bool drawn = false;
            connect(&dialog, &QPrintPreviewDialog::paintRequested,
                    [&](QPrinter* printer) { drawn = drawPageOn(*printer, drawTwoPages); });
            auto* preview = dialog.findChild<QPrintPreviewWidget*>();
            QVERIFY(preview);
            preview->updatePreview();
            QVERIFY(drawn);
            QCOMPARE(preview->pageCount(), 2);
            return;
        }
        QWidget window;
        const QString file = dir_->filePath(QStringLiteral("two pages.pdf"));
        const QString unwritable = dir_->filePath(QStringLiteral("missing-folder/two pages.pdf"));
        Desk desk;
        PrintHooks hooks = desk.hooks();
        if (path == QLatin1String("file")) {
            hooks.defaultPrinter = [&] { return pdfPrinter(file); };
        } else if (path == QLatin1String("saved")) {
            QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
            hooks.defaultPrinter = [&] { return pdfPrinter(unwritable); };
            hooks.offerPdf = [](const QString&) { return true; };
            hooks.choosePdfFile = [&](const QString&) { return file; };
        } else if (path == QLatin1String("chosen queue")) {
            hooks.defaultPrinter = [] {
                return std::make_unique<QPrinter>(QPrinterInfo::printerInfo(queueName()),
                                                  QPrinter::HighResolution);
            };
        }
        auto* printing = new PagePrint(&window);  // the one printPage() then uses
        std::optional<bool> printed;
        connect(printing, &PagePrint::finished, [&](bool done) { printed = done; });
        printPage(&window, hooks, QStringLiteral("Arcwright fence template"), drawTwoPages);
        QTRY_VERIFY_WITH_TIMEOUT(printed.has_value(), 40'000);
        QVERIFY(*printed);

        QCOMPARE(desk.told, QStringList());
        QCOMPARE(desk.dialogs, 0);
        const QString pdf = queue ? awaitPdf(queueOutput(), 2) : file;
        QVERIFY2(!pdf.isEmpty(), "no PDF of two pages came out of the queue");
        expectTwoPages(pdf);
    }

    // Where the next page cannot be had, the document says so and is not taken for printed;
    // a first page with nothing on it is still a page.
    void newPageOnTheSheetPrinter_data() {
        QTest::addColumn<QString>("when");
        QTest::addColumn<bool>("started");  // what newPage() answers
        QTest::addColumn<bool>("ended");    // what endDocument() answers
        QTest::addColumn<int>("pages");     // in the file, -1: no file
        QTest::newRow("after some drawing") << "drawn" << true << true << 2;
        QTest::newRow("on an empty first page") << "empty" << true << true << 2;
        QTest::newRow("after the document ended") << "ended" << false << true << 1;
        QTest::newRow("file cannot be written") << "unwritable" << false << false << -1;
    }
    void newPageOnTheSheetPrinter() {
        QFETCH(QString, when);
        QFETCH(bool, started);
        QFETCH(bool, ended);
        QFETCH(int, pages);
        const QString pdf = when == QLatin1String("unwritable")
                                ? dir_->filePath(QStringLiteral("missing-folder/pages.pdf"))
                                : dir_->filePath(QStringLiteral("pages.pdf"));
        if (when == QLatin1String("unwritable")) {
            QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
        }
        const auto printer = pdfPrinter(pdf);
        bool endedFirst = true;
        std::optional<bool> answer;
        {
            QtSheetPrinter page(*printer);
            page.setUnitPoints();
            page.setFontName("Times New Roman");
            page.setFontSize(15);
            if (when != QLatin1String("empty")) {
                page.setTextPosition(10, 180);
                page.printText("Set-up triangle", true);
            }
            if (when == QLatin1String("ended")) endedFirst = page.endDocument();
            answer = page.newPage();
            page.setTextPosition(10, 180);
            page.printText("Saw table, sheet 1 of 1", true);
            QCOMPARE(page.endDocument() && endedFirst, ended);
            QCOMPARE(page.failure().isEmpty(), ended);
        }
        QCOMPARE(*answer, started);
        if (pages < 0) {
            QVERIFY(!QFileInfo::exists(pdf));
            return;
        }
        QCOMPARE(pageCount(pdf), pages);
        QCOMPARE(pageTextLines(pdf, 1),
                 when == QLatin1String("empty") ? QStringList() : kFirstPageText);
        if (pages == 2) QCOMPARE(pageTextLines(pdf, 2), kSecondPageText);
    }

  private:
    std::unique_ptr<QTemporaryDir> dir_;
};

ARCWRIGHT_WINDOW_TEST_MAIN(PrintTest)
#include "print_test.moc"
