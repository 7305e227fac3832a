// The desktop program as a new operator meets it: every window fits a 1024x768 screen
// and gives each control the room it asks for, pasted text goes through each box's key
// filter, long texts do not widen the windows.
#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>
#include <filesystem>
#include <functional>
#include <memory>

#include "common/fileio.h"
#include "common/ports.h"
#include "employee/employee_files.h"
#include "gui/bound_widgets.h"
#include "gui/check_window.h"
#include "gui/city_dialog.h"
#include "gui/header_dialog.h"
#include "gui/leave_window.h"
#include "gui/ledger_frame.h"
#include "gui/main_window.h"
#include "gui/noncity_dialog.h"
#include "gui/overtime_window.h"
#include "gui/qt_ui.h"
#include "gui/state_dialog.h"
#include "gui/tax_info_dialog.h"
#include "gui_fixture.h"
#include "shell/session.h"

using namespace corvella;

namespace {

// The smallest screen the program is made for, less a window manager's title bar and a
// panel.
constexpr int kScreenWidth = 1024;
constexpr int kUsableHeight = 768 - 60;

}  // namespace

class OperatorTest : public QObject, public test::GuiTestBase {
    Q_OBJECT

  private:
    // Every window the operator can open, each made by a function.
    std::vector<std::pair<const char*, std::function<QWidget*()>>> windows() {
        return {
            {"main window", [this] { return new Form1(*s_); }},
            {"User Info", [this] { return new TaxInfoDialog(*s_); }},
            {"State Tax", [this] { return new StateDialog(*s_); }},
            {"City Tax", [this] { return new CityDialog(*s_); }},
            {"NON City Resident", [this] { return new NonCityDialog(*s_); }},
            {"Year To Date", [this] { return new LedgerFrame(*s_); }},
            {"Heading", [this] { return new HeaderDialog(*s_); }},
            {"OverTime Percentage", [this] { return new OvertimeWindow(*s_); }},
            {"Vacation / Holiday / Sick", [this] { return new LeaveWindow(*s_); }},
            {"Check Printing", [this] { return new CheckWindow(*s_, nullptr); }},
            {"Printer Offset", [this] { return new OffsetWindow(*s_, nullptr); }},
        };
    }

  private slots:
    void init() { start(); }

    void cleanup() { stop(); }

    // The ledger and the calculator are laid out by the employee's pay frequency.
    void everyWindowFitsTheSmallScreen_data() {
        QTest::addColumn<bool>("weekly");
        QTest::newRow("weekly") << true;
        QTest::newRow("bi-weekly") << false;
    }

    void everyWindowFitsTheSmallScreen() {
        QFETCH(bool, weekly);
        if (!weekly) openEmployee("Bi", test::biWeeklyProfile());
        QCOMPARE(s_->profile.weekly(), weekly);
        QStringList tooBig;
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        QCOMPARE(screen.size(), QSize(1024, 768));
        for (auto& [title, make] : windows()) {
            std::unique_ptr<QWidget> w(make());
            w->show();
            QVERIFY(QTest::qWaitForWindowExposed(w.get()));
            const QSize min = w->minimumSizeHint().expandedTo(w->minimumSize());
            const QSize opened = w->size();
            qInfo("%s: minimum %dx%d, opened %dx%d", title, min.width(), min.height(),
                  opened.width(), opened.height());
            const QSize most = min.expandedTo(opened);
            if (most.width() > kScreenWidth || most.height() > kUsableHeight ||
                !screen.contains(w->frameGeometry()))
                tooBig
                    << QStringLiteral("%1 (%2x%3)").arg(title).arg(most.width()).arg(most.height());
        }
        QVERIFY2(tooBig.isEmpty(), qPrintable(tooBig.join(", ")));
    }

    // A control given less room than it asks for is drawn cut: a list a few pixels
    // high shows no choice, a caption loses its end.
    void everyControlGetsTheRoomItAsks_data() { everyWindowFitsTheSmallScreen_data(); }

    void everyControlGetsTheRoomItAsks() {
        QFETCH(bool, weekly);
        if (!weekly) openEmployee("Bi", test::biWeeklyProfile());
        QStringList cut;
        for (auto& [title, make] : windows()) {
            std::unique_ptr<QWidget> w(make());
            w->show();
            QVERIFY(QTest::qWaitForWindowExposed(w.get()));
            for (auto* c : w->findChildren<QWidget*>()) {
                // Qt's own parts: the editor inside a list, a dock's buttons.
                if (!c->isVisible() || c->objectName().startsWith(QLatin1String("qt_")) ||
                    qobject_cast<QComboBox*>(c->parentWidget()))
                    continue;
                auto* label = qobject_cast<QLabel*>(c);
                const bool wholeWidth = label || qobject_cast<QAbstractButton*>(c);
                if (!wholeWidth && !qobject_cast<QComboBox*>(c) && !qobject_cast<QLineEdit*>(c))
                    continue;
                const QSize want = c->sizeHint();
                const int height =
                    label && label->wordWrap() ? label->heightForWidth(c->width()) : want.height();
                if (c->height() < height ||
                    (wholeWidth && !(label && label->wordWrap()) && c->width() < want.width()))
                    cut << QStringLiteral("%1: %2 \"%3\" %4x%5 of %6x%7")
                               .arg(title, c->objectName(), label ? label->text() : QString())
                               .arg(c->width())
                               .arg(c->height())
                               .arg(want.width())
                               .arg(height);
            }
        }
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QStringLiteral("; "))));
    }

    void aLongDeductionNameIsCutShortNotWidened() {
        Form1 w(*s_);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const QSize before = w.size();
        const QSize minBefore = w.minimumSizeHint();
        const std::string longName(77, 'W');
        s_->taxInfo().txtTax5.text = longName;
        QVERIFY(s_->taxInfoSave());
        QApplication::processEvents();
        auto* tag = w.findChild<QLabel*>(QStringLiteral("lbTaxTag(5)"));
        QVERIFY(tag);
        QVERIFY(tag->text().size() < 77);
        QVERIFY(tag->text().endsWith(QChar(0x2026)));
        QCOMPARE(tag->toolTip(), QString::fromStdString(longName));
        QCOMPARE(w.size(), before);
        QCOMPARE(w.minimumSizeHint(), minBefore);

        s_->taxInfo().txtTax5.text = "Union";
        QVERIFY(s_->taxInfoSave());
        QApplication::processEvents();
        QCOMPARE(tag->text(), QStringLiteral("Union"));
        QVERIFY(tag->toolTip().isEmpty());
        QCOMPARE(w.size(), before);
    }

    // "$1,234.50" pasted into a box gives what typing it would: the figures a number box
    // takes, the whole text in a text box. Every box of every window.
    void pastedTextPassesEachBoxsKeyFilter() {
        QGuiApplication::clipboard()->setText(QStringLiteral("$1,234.50"));
        int numeric = 0;
        for (auto& [title, make] : windows()) {
            std::unique_ptr<QWidget> w(make());
            w->show();
            QVERIFY(QTest::qWaitForWindowExposed(w.get()));
            for (auto* edit : w->findChildren<QLineEdit*>()) {
                auto* box = dynamic_cast<gui::BoundLineEdit*>(edit);
                if (!box || !box->isVisible() || !box->isEnabled() || box->isReadOnly()) continue;
                box->setFocus();
                box->selectAll();
                QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
                const QString want =
                    box->numeric() ? QStringLiteral("1234.50") : QStringLiteral("$1,234.50");
                numeric += box->numeric();
                QVERIFY2(
                    box->text() == want,
                    qPrintable(
                        QStringLiteral("%1, %2: %3").arg(title, box->objectName(), box->text())));
                QCOMPARE(box->modelText(), box->text().toStdString());
            }
        }
        QVERIFY(numeric > 100);  // the hours, rates and tables were all among them
    }

    // A refused name of 240 characters: the message box wraps it rather than running
    // off the screen.
    void aLongNameWrapsInsideTheMessageBox() {
        QtUi ui;
        int width = 0, needed = -1, given = 0;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) return;
            width = box->width();
            // Nothing cut off: the text's longest unbreakable run fits the label.
            if (auto* l = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label")))
                needed = l->minimumSizeHint().width(), given = l->width();
            box->accept();
        });
        ui.message("The name \"" + std::string(240, 'x') + "\" cannot be used.", Icon::Warning);
        QVERIFY(width > 0);
        QVERIFY(width <= kScreenWidth);
        QVERIFY(needed >= 0);
        QVERIFY2(needed <= given, qPrintable(QStringLiteral("%1 > %2").arg(needed).arg(given)));
    }

    // The list follows the folder, filters, highlights the open employee and opens the
    // chosen one as File > Open does (its save window first).
    void theEmployeeListFollowsTheFolderAndOpensAsFileOpen() {
        Form1 w(*s_);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        auto* list = w.findChild<QTreeWidget*>(QStringLiteral("lstEmployees"));
        auto* filter = w.findChild<QLineEdit*>(QStringLiteral("txtEmployeeFilter"));
        QVERIFY(list && filter);
        auto names = [list] {
            QStringList n;
            for (int i = 0; i < list->topLevelItemCount(); ++i) n << list->topLevelItem(i)->text(0);
            return n;
        };
        QTRY_COMPARE(names(), QStringList{QStringLiteral("Emp")});  // filled once shown
        QVERIFY(list->topLevelItem(0)->font(0).bold());
        QCOMPARE(list->topLevelItem(0)->text(1), QStringLiteral("Weekly"));

        openEmployee("Zed");  // writes Zed's files (and opens Zed)
        QTRY_COMPARE(names(), (QStringList{QStringLiteral("Emp"), QStringLiteral("Zed")}));
        QTRY_VERIFY(list->topLevelItem(1)->font(0).bold());

        filter->setText(QStringLiteral("em"));
        QCOMPARE(names(), QStringList{QStringLiteral("Emp")});
        filter->clear();

        ui_->saveAnswers.push_back({SaveWindowButton::No, std::nullopt});
        list->setCurrentItem(list->topLevelItem(0));
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Return);
        QCOMPARE(s_->CurrentUser, std::string("Emp"));
        QVERIFY(ui_->saveAnswers.empty());  // the save window came first
        QTRY_VERIFY(list->topLevelItem(0)->font(0).bold());
        QVERIFY(!list->topLevelItem(1)->font(0).bold());

        std::filesystem::remove(dir_ / "Zed.use");
        QTRY_COMPARE(names(), QStringList{QStringLiteral("Emp")});
    }
};

// The offscreen platform given a 1024x768 screen with window frames, as a small
// laptop's: every window must fit it.
int main(int argc, char** argv) {
    QTemporaryDir config;
    const QString file = config.filePath(QStringLiteral("screen.json"));
    QFile f(file);
    if (!f.open(QIODevice::WriteOnly)) return 2;
    f.write(R"({"windowFrameMargins": true, "screens": [{"name": "small", "x": 0, "y": 0,
        "width": 1024, "height": 768, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
    f.close();
    qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + file).toUtf8());
    QApplication app(argc, argv);
    OperatorTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "operator_test.moc"
