#include "main_window.h"

#include <QGroupBox>
#include <QHash>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPalette>
#include <QPixmap>
#include <QPushButton>
#include <QString>
#include <QToolTip>

#include "calculate.h"
#include "window_layout.h"

namespace marvolen::ui {
namespace {

#include "marvolen_icon.xpm"

QString qs(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

// Naming the families keeps Simplified Chinese glyph forms under any locale: left to
// itself, the fallback for a Chinese family name may pick a Japanese face.
QFont fontOf(const QStringList& families, double points, QFont::Weight weight) {
    QFont font;
    font.setFamilies(families);
    font.setPointSizeF(points);
    font.setWeight(weight);
    return font;
}

const QStringList kSongFamilies = {"SimSun", "Noto Serif CJK SC", "AR PL UMing CN", "Noto Sans CJK SC",
                                   "WenQuanYi Zen Hei"};

QRect pixelRect(const ControlLayout& entry) {
    return {twipsToPixels(entry.left), twipsToPixels(entry.top), twipsToPixels(entry.width),
            twipsToPixels(entry.height)};
}

}  // namespace

QFont inputFont() { return fontOf(kSongFamilies, 12.0, QFont::Normal); }

QFont resultFont() { return fontOf({"Arial", "Liberation Sans", "Arimo"}, 14.25, QFont::Bold); }

QFont captionFont() { return fontOf(kSongFamilies, 9.0, QFont::Normal); }

MainWindow::MainWindow(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint) {
    setWindowTitle(qs(kWindowTitle));
    setWindowIcon(QIcon(QPixmap(marvolen_icon_xpm)));
    setFixedSize(twipsToPixels(kClientWidthTwips), twipsToPixels(kClientHeightTwips));
    setFont(captionFont());
    QToolTip::setFont(captionFont());

    QPalette resultColours;
    resultColours.setColor(QPalette::Base, QColor(0, 255, 255));
    resultColours.setColor(QPalette::Text, QColor(255, 0, 0));

    QHash<QString, QWidget*> frames;
    std::size_t inputCount = 0;
    std::size_t resultCount = 0;
    const auto makeBox = [](const ControlLayout& entry, QWidget* container, const QFont& font,
                            std::string_view accessibleName) {
        auto* box = new QLineEdit(qs(entry.text), container);
        box->setFont(font);
        box->setAlignment(Qt::AlignCenter);
        box->setAccessibleName(qs(accessibleName));
        return box;
    };
    for (const ControlLayout& entry : kControls) {
        QWidget* const container = entry.parent.empty() ? static_cast<QWidget*>(this) : frames.value(qs(entry.parent));
        QWidget* control = nullptr;
        switch (entry.kind) {
            case ControlKind::Frame: {
                auto* frame = new QGroupBox(qs(entry.text), container);
                frames.insert(qs(entry.name), frame);
                control = frame;
                break;
            }
            case ControlKind::Label: {
                auto* label = new QLabel(qs(entry.text), container);
                label->setAlignment(Qt::AlignTop |
                                    (entry.alignment == TextAlignment::Left ? Qt::AlignLeft : Qt::AlignHCenter));
                control = label;
                break;
            }
            case ControlKind::InputBox: {
                auto* box = makeBox(entry, container, inputFont(), kInputAccessibleNames.at(inputCount));
                inputs_.at(inputCount++) = box;
                control = box;
                break;
            }
            case ControlKind::ResultBox: {
                auto* box = makeBox(entry, container, resultFont(), kResultAccessibleNames.at(resultCount));
                box->setPalette(resultColours);
                box->setReadOnly(true);  // the user may select and copy, the program never reads it
                box->setToolTip(qs(kResultDescriptions.at(resultCount)));
                results_.at(resultCount++) = box;
                control = box;
                break;
            }
            case ControlKind::Button: {
                run_ = new QPushButton(qs(entry.text), container);
                run_->setAutoDefault(false);  // Enter in a text box does not calculate
                control = run_;
                break;
            }
        }
        control->setObjectName(qs(entry.name));
        control->setGeometry(pixelRect(entry));
    }

    // Keyboard order: the measurements, the results, then the button.
    QWidget* previous = inputs_.front();
    for (std::size_t i = 1; i < inputs_.size(); ++i) {
        setTabOrder(previous, inputs_[i]);
        previous = inputs_[i];
    }
    for (QLineEdit* result : results_) {
        setTabOrder(previous, result);
        previous = result;
    }
    setTabOrder(previous, run_);
    inputs_.front()->setFocus(Qt::OtherFocusReason);

    connect(run_, &QPushButton::clicked, this, &MainWindow::calculate);
}

void MainWindow::calculate() {
    std::array<std::string, kInputCount> texts;
    for (std::size_t i = 0; i < kInputCount; ++i) texts[i] = inputs_[i]->text().toStdString();
    const auto report = runCalculationWithSensitivity(texts);
    if (!report) {
        showFailureNotice();
        return;
    }
    // x1 and x2 first, then β's degrees, minutes and seconds.
    const ResultTexts& results = report->results;
    results_[3]->setText(qs(results.x1));
    results_[4]->setText(qs(results.x2));
    results_[0]->setText(qs(results.degrees));
    results_[1]->setText(qs(results.minutes));
    results_[2]->setText(qs(results.seconds));

    const SensitivityTexts& sensitivity = report->sensitivity;
    const std::array<const std::string*, 5> notes = {&sensitivity.beta, &sensitivity.beta, &sensitivity.beta,
                                                     &sensitivity.x1, &sensitivity.x2};
    for (std::size_t i = 0; i < results_.size(); ++i) {
        results_[i]->setToolTip(qs(kResultDescriptions.at(i)) + "\n\n" + qs(*notes.at(i)));
    }
}

void MainWindow::showFailureNotice() {
    QMessageBox notice(QMessageBox::Information, qs(kFailureNoticeTitle), qs(kFailureNoticeText), QMessageBox::Ok,
                       this);
    notice.setFont(font());
    notice.button(QMessageBox::Ok)->setText("确定");
    notice.exec();
}

}  // namespace marvolen::ui
