#pragma once

#include <QRect>
#include <QSize>

// Geometry of the windows in pixels: left, top, width, height, relative to
// the window (or to the periods panel where named).
namespace velmora::ui::layout {

inline constexpr QSize kMainWindowSize{1049, 782};

inline constexpr QRect kTitle{9, 4, 806, 24};
inline constexpr QRect kCloseButton{1021, 0, 28, 33};
inline constexpr QRect kMinimiseButton{993, 0, 28, 33};
inline constexpr int kTitleBarHeight = 33;

inline constexpr QRect kLiveHeading{7, 37, 83, 32};
inline constexpr QRect kPeriodLabel{198, 79, 154, 16};
inline constexpr QRect kFirstNumber{40, 119, 27, 28};
inline constexpr int kNumberSpacing = 50;
inline constexpr QRect kCountdownCaption{66, 180, 115, 16};
inline constexpr QRect kCountdown{184, 176, 152, 24};

inline constexpr QRect kPlanBox{5, 222, 530, 488};
inline constexpr QRect kPeriodsPanel{332, 222, 186, 32};
inline constexpr QRect kPeriodsCaption{12, 4, 77, 24};  // in the panel
inline constexpr QRect kPeriodsList{89, 5, 40, 20};     // in the panel
inline constexpr QRect kPeriodsSwitch{128, 0, 57, 31};  // in the panel
inline constexpr QRect kClearPlans{184, 710, 146, 34};
inline constexpr QRect kCopy{457, 711, 57, 31};

inline constexpr QRect kHistoryHeading{546, 37, 230, 32};
inline constexpr QRect kHistoryCaption{546, 69, 230, 25};
inline constexpr QRect kHistoryList{546, 93, 230, 652};
inline constexpr int kHistoryPeriodColumn = 45;
inline constexpr int kHistoryNumbersColumn = 167;

inline constexpr QRect kWebPane{786, 42, 259, 702};

// Number label i, 1 to 10.
constexpr QRect numberLabel(int i)
{
    return kFirstNumber.translated(kNumberSpacing * (i - 1), 0);
}

inline constexpr QSize kSplashSize{300, 184};
inline constexpr QRect kSplashStatus{0, 144, 300, 40};
inline constexpr QRect kSplashPicture{0, 51, 300, 93};

}  // namespace velmora::ui::layout
