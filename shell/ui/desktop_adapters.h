#pragma once

#include "shell/platform.h"

namespace velmora::ui {

// Message boxes captioned "信息：". showMessage has one button "确定";
// confirm has "确定" and "取消" and is true only for "确定".
class MessageBoxDialogs : public UserDialogs {
public:
    void showMessage(const std::string& text) override;
    bool confirm(const std::string& text) override;

    static const char* const kCaption;
};

// The desktop clipboard, as text.
class SystemClipboard : public Clipboard {
public:
    void setText(const std::string& text) override;
};

// Hands web addresses to the desktop's default browser. Only absolute http
// and https addresses with a host are opened; anything else is refused.
class DesktopUrlOpener : public UrlOpener {
public:
    bool open(const std::string& url) override;

    static bool isWebAddress(const std::string& url);
};

}  // namespace velmora::ui
