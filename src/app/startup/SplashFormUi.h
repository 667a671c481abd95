#pragma once

class QLabel;
class QProgressBar;
class QWidget;

namespace korv {

// The widgets of the start-up search window: product picture, logo, a caption and a progress bar.
// setupUi makes the given widget a frameless, stay-on-top window of 301 by 329 pixels.
struct SplashFormUi {
    static constexpr int Width = 301;
    static constexpr int Height = 329;
    static constexpr int BarMaximum = 7;

    QLabel* splashImage = nullptr;  // Image1
    QLabel* logo = nullptr;  // Image2
    QLabel* CommunicationLabel = nullptr;
    QProgressBar* CommunicationBar = nullptr;

    void setupUi(QWidget* SplashForm);
};

}  // namespace korv
