#pragma once
// The program's one window: the measurements on the left, the results on the right,
// and the button that calculates.

#include <QFont>
#include <QWidget>
#include <array>

class QLineEdit;
class QPushButton;

namespace marvolen::ui {

class MainWindow : public QWidget {
public:
    explicit MainWindow(QWidget* parent = nullptr);

private:
    // Hands the input texts to the calculation; writes the result texts, or shows
    // the failure notice and leaves every result box as it was.
    void calculate();
    void showFailureNotice();

    std::array<QLineEdit*, 11> inputs_{};
    std::array<QLineEdit*, 5> results_{};  // OutputText1 … OutputText5
    QPushButton* run_ = nullptr;
};

/// Song-style Simplified Chinese font of the input boxes, 12 point.
QFont inputFont();
/// Bold Arial-compatible font of the result boxes, 14.25 point.
QFont resultFont();
/// The window's own font for captions, labels and the notice, 9 point.
QFont captionFont();

}  // namespace marvolen::ui
