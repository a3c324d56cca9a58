// Drives the real window as a user does, with mouse and keyboard, and reads what the
// user would see on the screen.
#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSet>
#include <QTimer>
#include <QtTest>

#include <clocale>
#include <cstdlib>
#include <memory>

#include "main_window.h"

namespace {

const QStringList kResultBoxes = {"OutputText1", "OutputText2", "OutputText3", "OutputText4", "OutputText5"};
const QStringList kWorkedExampleResults = {" 16", " 0", " 23", " 0.3525", " 0.1697"};

// What the failure notice showed, read while it was open, then closed with its button.
struct SeenNotice {
    bool shown = false;
    QString title, text, buttons;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
};

// Polls for a modal message box while the click runs its nested event loop.
class NoticeWatcher {
public:
    NoticeWatcher() {
        timer_.setInterval(10);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr || seen_.shown) return;
            seen_.shown = true;
            seen_.title = box->windowTitle();
            seen_.text = box->text();
            seen_.icon = box->icon();
            QStringList buttons;
            for (QAbstractButton* button : box->buttons()) buttons << button->text();
            seen_.buttons = buttons.join('|');
            QTest::mouseClick(box->buttons().first(), Qt::LeftButton);
        });
        timer_.start();
    }
    const SeenNotice& seen() const { return seen_; }

private:
    QTimer timer_;
    SeenNotice seen_;
};

class MainWindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<marvolen::ui::MainWindow> window_;

    template <typename Widget = QWidget>
    Widget* control(const QString& name) const {
        auto* widget = window_->findChild<Widget*>(name);
        if (widget == nullptr) qFatal("no control named %s", qPrintable(name));
        return widget;
    }
    QStringList results() const {
        QStringList texts;
        for (const QString& name : kResultBoxes) texts << control<QLineEdit>(name)->text();
        return texts;
    }
    void typeInto(const QString& box, const QString& text) {
        QLineEdit* edit = control<QLineEdit>(box);
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, text);
    }
    SeenNotice clickRun() {
        NoticeWatcher watcher;
        QTest::mouseClick(control<QPushButton>("Run"), Qt::LeftButton);
        return watcher.seen();
    }

private slots:
    void init() {
        window_ = std::make_unique<marvolen::ui::MainWindow>();
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
        window_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    }
    void cleanup() { window_.reset(); }

    void clickShowsTheWorkedExample() {
        QStringList writeOrder;
        for (const QString& name : kResultBoxes) {
            connect(control<QLineEdit>(name), &QLineEdit::textChanged, [&writeOrder, name] { writeOrder << name; });
        }
        QVERIFY(!clickRun().shown);
        QCOMPARE(results(), kWorkedExampleResults);
        QCOMPARE(writeOrder, (QStringList{"OutputText4", "OutputText5", "OutputText1", "OutputText2", "OutputText3"}));
        QVERIFY(!clickRun().shown);
        QCOMPARE(results(), kWorkedExampleResults);
    }

    void failureShowsTheNoticeAndKeepsTheResults_data() {
        QTest::addColumn<bool>("earlierResults");
        QTest::newRow("result boxes empty") << false;
        QTest::newRow("result boxes holding earlier results") << true;
    }
    void failureShowsTheNoticeAndKeepsTheResults() {
        QFETCH(bool, earlierResults);
        if (earlierResults) clickRun();
        const QStringList before = results();
        typeInto("InputText3", "0");

        const SeenNotice notice = clickRun();
        QVERIFY(notice.shown);
        QCOMPARE(notice.title, QString("提示"));
        QCOMPARE(notice.text, QString("请仔细检查各测量数据是否准确。"));
        QCOMPARE(notice.icon, QMessageBox::Information);
        QCOMPARE(notice.buttons, QString("确定"));
        QCOMPARE(results(), before);

        // The user corrects the module and calculates again.
        typeInto("InputText3", "1");
        QVERIFY(!clickRun().shown);
        QCOMPARE(results(), kWorkedExampleResults);
    }

    void enterInATextBoxDoesNotCalculate() {
        NoticeWatcher watcher;
        for (const char* name : {"InputText1", "InputText11"}) {
            QLineEdit* box = control<QLineEdit>(name);
            box->setFocus();
            QTest::keyClick(box, Qt::Key_Return);
            QTest::keyClick(box, Qt::Key_Enter);
        }
        QTest::qWait(30);
        QVERIFY(!watcher.seen().shown);
        QCOMPARE(results(), QStringList(5, QString()));
    }

    void keyboardOrderRunsInputsResultsThenTheButton() {
        QCOMPARE(QApplication::focusWidget(), control("InputText1"));
        QStringList order{QApplication::focusWidget()->objectName()};
        for (int i = 0; i < 16; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            order << QApplication::focusWidget()->objectName();
        }
        QStringList expected;
        for (int i = 1; i <= 11; ++i) expected << QString("InputText%1").arg(i);
        expected << kResultBoxes << "Run";
        QCOMPARE(order, expected);
    }

    void controlsStandWhereTheLayoutPutsThem_data() {
        QTest::addColumn<QString>("parent");
        QTest::addColumn<QRect>("twips");
        const struct {
            const char* name;
            const char* parent;
            int left, top, width, height;
        } rows[] = {
            {"Frame1", "", 120, 120, 4380, 3920},
            {"Frame2", "", 4560, 120, 3135, 3315},
            {"Frame3", "", 4560, 3420, 3135, 620},
            {"Label1", "Frame1", 120, 400, 900, 495},
            {"InputText1", "Frame1", 1100, 300, 1000, 400},
            {"Label2", "Frame1", 2280, 400, 900, 495},
            {"InputText2", "Frame1", 3260, 300, 1000, 400},
            {"Label3", "Frame1", 120, 1000, 900, 495},
            {"InputText3", "Frame1", 1100, 900, 1000, 400},
            {"Label4", "Frame1", 2280, 1000, 900, 495},
            {"InputText4", "Frame1", 3260, 900, 1000, 400},
            {"Label5", "Frame1", 120, 1600, 900, 495},
            {"InputText5", "Frame1", 1100, 1500, 1000, 400},
            {"Label6", "Frame1", 2280, 1600, 900, 495},
            {"InputText6", "Frame1", 3260, 1500, 1000, 400},
            {"Label7", "Frame1", 120, 2200, 900, 495},
            {"InputText7", "Frame1", 1100, 2100, 1000, 400},
            {"Label8", "Frame1", 2280, 2200, 900, 495},
            {"InputText8", "Frame1", 3260, 2100, 1000, 400},
            {"Label9", "Frame1", 120, 2800, 900, 495},
            {"InputText9", "Frame1", 1100, 2700, 1000, 400},
            {"Label10", "Frame1", 2280, 2800, 900, 495},
            {"InputText10", "Frame1", 3260, 2700, 1000, 400},
            {"Label11", "Frame1", 120, 3400, 900, 460},
            {"InputText11", "Frame1", 1080, 3300, 1000, 400},
            {"Run", "Frame1", 2420, 3280, 1600, 450},
            {"Label12", "Frame2", 240, 1040, 1215, 255},
            {"OutputText1", "Frame2", 1500, 300, 1200, 450},
            {"Label15", "Frame2", 2760, 420, 300, 405},
            {"OutputText2", "Frame2", 1500, 900, 1200, 450},
            {"Label16", "Frame2", 2760, 1035, 300, 405},
            {"OutputText3", "Frame2", 1500, 1500, 1200, 450},
            {"Label17", "Frame2", 2760, 1545, 300, 405},
            {"Label13", "Frame2", 120, 2200, 1335, 255},
            {"OutputText4", "Frame2", 1500, 2100, 1200, 450},
            {"Label14", "Frame2", 120, 2840, 1335, 255},
            {"OutputText5", "Frame2", 1500, 2700, 1200, 450},
            {"Label18", "Frame3", 360, 240, 2505, 300},
        };
        for (const auto& row : rows) {
            QTest::newRow(row.name) << QString(row.parent) << QRect(row.left, row.top, row.width, row.height);
        }
    }
    void controlsStandWhereTheLayoutPutsThem() {
        QFETCH(QString, parent);
        QFETCH(QRect, twips);
        QWidget* widget = control(QTest::currentDataTag());
        const QWidget* container = parent.isEmpty() ? window_.get() : control(parent);
        QCOMPARE(widget->parentWidget(), container);
        const auto px = [](int t) { return qRound(t / 15.0); };
        QCOMPARE(widget->geometry(), QRect(px(twips.left()), px(twips.top()), px(twips.width()), px(twips.height())));
    }

    void captionsAndInitialTexts_data() {
        QTest::addColumn<QString>("text");
        const struct {
            const char* name;
            const char* text;
        } rows[] = {
            {"Frame1", " 测量数据 "},   {"Frame2", " 测算结果 "},   {"Frame3", ""},
            {"Label1", "齿数Z1"},       {"Label2", "齿数Z2"},       {"Label3", "模数"},
            {"Label4", "压力角"},       {"Label5", "卡齿数"},       {"Label6", "卡齿数"},
            {"Label7", "公法线长度"},   {"Label8", "公法线长度"},   {"Label9", "侧隙和磨损"},
            {"Label10", "侧隙和磨损"},  {"Label11", "中心距"},      {"Label12", "螺旋角β ≈"},
            {"Label13", "变位系数x1≈"}, {"Label14", "变位系数x2≈"}, {"Label15", "°"},
            {"Label16", "′"},           {"Label17", "″"},           {"Run", "计算"},
            {"InputText1", "20"},       {"InputText2", "30"},       {"InputText3", "1"},
            {"InputText4", "20"},       {"InputText5", "3"},        {"InputText6", "5"},
            {"InputText7", "7.925"},    {"InputText8", "13.861"},   {"InputText9", "0.01"},
            {"InputText10", "0.01"},    {"InputText11", "26.5"},
        };
        for (const auto& row : rows) QTest::newRow(row.name) << QString(row.text);
    }
    void captionsAndInitialTexts() {
        QFETCH(QString, text);
        QWidget* widget = control(QTest::currentDataTag());
        if (auto* frame = qobject_cast<QGroupBox*>(widget))
            QCOMPARE(frame->title(), text);
        else if (auto* label = qobject_cast<QLabel*>(widget))
            QCOMPARE(label->text(), text);
        else if (auto* button = qobject_cast<QPushButton*>(widget))
            QCOMPARE(button->text(), text);
        else
            QCOMPARE(qobject_cast<QLineEdit*>(widget)->text(), text);
    }

    void windowAndBoxesLookAsDesigned() {
        QCOMPARE(window_->windowTitle(), QString("Marvolen V2.0"));
        QCOMPARE(window_->size(), QSize(519, 276));
        QCOMPARE(window_->minimumSize(), window_->maximumSize());
        QVERIFY(!(window_->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        QCOMPARE(window_->windowIcon().pixmap(32, 32).size(), QSize(32, 32));
        QVERIFY(control<QLabel>("Label18")->text().startsWith("E-mail："));
        QVERIFY(!control<QPushButton>("Run")->isDefault());

        const QStringList songFaces = {"SimSun", "Noto Serif CJK SC", "AR PL UMing CN"};
        for (int i = 1; i <= 11; ++i) {
            QLineEdit* box = control<QLineEdit>(QString("InputText%1").arg(i));
            QVERIFY2(songFaces.contains(QFontInfo(box->font()).family()), qPrintable(QFontInfo(box->font()).family()));
            QCOMPARE(box->font().pointSizeF(), 12.0);
            QCOMPARE(box->alignment(), Qt::AlignCenter);
        }
        for (const QString& name : kResultBoxes) {
            QLineEdit* box = control<QLineEdit>(name);
            const QFontInfo face(box->font());
            QVERIFY2(QStringList({"Arial", "Liberation Sans", "Arimo"}).contains(face.family()),
                     qPrintable(face.family()));
            QVERIFY(face.bold());
            QCOMPARE(box->font().pointSizeF(), 14.25);
            QCOMPARE(box->palette().color(QPalette::Text), QColor(255, 0, 0));
            QCOMPARE(box->palette().color(QPalette::Base), QColor(0, 255, 255));
            QCOMPARE(box->alignment(), Qt::AlignCenter);
            QVERIFY(box->isReadOnly());
        }
    }

    void resultsCanBeSelectedAndCopied() {
        clickRun();
        QLineEdit* x1 = control<QLineEdit>("OutputText4");
        x1->setFocus();
        QTest::keyClick(x1, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(x1->selectedText(), QString(" 0.3525"));
        QTest::keyClicks(x1, "9");
        QCOMPARE(x1->text(), QString(" 0.3525"));
    }

    void tooltipsTellHowFarEachResultCanBeTrusted() {
        QStringList initial;
        for (const QString& name : kResultBoxes) initial << control(name)->toolTip();
        QCOMPARE(initial.first(), QString("螺旋角β的整度数"));
        QCOMPARE(initial.last(), QString("齿轮2的法向变位系数x2（四位小数）"));

        clickRun();
        QStringList after;
        for (const QString& name : kResultBoxes) after << control(name)->toolTip();
        for (int i = 0; i < 5; ++i) {
            QVERIFY2(after[i].startsWith(initial[i] + "\n\n测量误差 ±0.01 时"), qPrintable(after[i]));
            for (const char* measurement : {"公法线长度 W1：±", "公法线长度 W2：±", "中心距：±", "最坏情况：±"}) {
                QVERIFY2(after[i].contains(measurement), qPrintable(after[i]));
            }
        }
        QVERIFY(after[0].contains("″") && after[2].contains("螺旋角β"));
        QVERIFY(after[3].contains("变位系数x1") && !after[3].contains("″"));
        QVERIFY(after[4].contains("变位系数x2"));

        // A failing click changes no tooltip.
        typeInto("InputText3", "0");
        QVERIFY(clickRun().shown);
        for (int i = 0; i < 5; ++i) QCOMPARE(control(kResultBoxes[i])->toolTip(), after[i]);
    }

    void everyBoxHasItsOwnAccessibleName() {
        QSet<QString> names;
        for (QLineEdit* box : window_->findChildren<QLineEdit*>()) {
            QVERIFY2(!box->accessibleName().isEmpty(), qPrintable(box->objectName()));
            names.insert(box->accessibleName());
        }
        QCOMPARE(names.size(), 16);
        QVERIFY(control("InputText5")->accessibleName().startsWith("卡齿数"));
        QVERIFY(control("InputText8")->accessibleName().startsWith("公法线长度"));
    }

    void numberTextsIgnoreTheProcessLocale() {
        // QApplication has set the C library's locale from the environment; under
        // de_DE its decimal point is a comma, and the click must still read "7.925".
        const char* requested = std::getenv("LC_ALL");
        if (requested != nullptr && QString(requested).startsWith("de_DE")) {
            QCOMPARE(QString(std::localeconv()->decimal_point), QString(","));
        }
        clickRun();
        QCOMPARE(results(), kWorkedExampleResults);
    }
};

}  // namespace

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
