#include "shell/update_handoff.h"

#include <charconv>
#include <fstream>
#include <system_error>
#include <vector>

#include "shell/app_context.h"
#include "shell/app_settings.h"
#include "shell/main_view.h"
#include "shell/platform.h"
#include "shell/splash_controller.h"

namespace velmora {

namespace {

bool writeUpdater(const std::filesystem::path& path, std::span<const unsigned char> bytes)
{
    {
        std::ofstream file(path, std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        file.close();
        if (file) {
            std::error_code error;
            std::filesystem::permissions(path,
                                         std::filesystem::perms::owner_all | std::filesystem::perms::group_read
                                             | std::filesystem::perms::group_exec | std::filesystem::perms::others_read
                                             | std::filesystem::perms::others_exec,
                                         error);
            return !error;
        }
    }
    // A cut-off program must not be started by a later attempt.
    std::error_code ignored;
    std::filesystem::remove(path, ignored);
    return false;
}

}  // namespace

std::string executableSuffix()
{
#ifdef _WIN32
    return ".exe";
#else
    return "";
#endif
}

std::string updaterFileName()
{
    return "更新器" + executableSuffix();
}

float versionNumber(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    // Only digits and a decimal point count; "inf" or "nan" read as 0.
    if (i == text.size() || (text[i] != '.' && (text[i] < '0' || text[i] > '9'))) {
        return 0;
    }
    float value = 0;
    const auto result = std::from_chars(text.data() + i, text.data() + text.size(), value);
    if (result.ec != std::errc()) {
        return 0;
    }
    return negative ? -value : value;
}

bool isNewerVersion(std::string_view newest, std::string_view current)
{
    return versionNumber(newest) > versionNumber(current);
}

bool checkForUpdate(AppContext& context, const std::string& newestVersion, const std::string& updateAddress)
{
    const AppIdentity& identity = context.identity;
    if (!isNewerVersion(newestVersion, identity.programVersion)) {
        return true;
    }
    context.splash.close();
    context.mainView.processPendingEvents();

    std::error_code error;
    const bool haveUpdater = !context.environment.updaterBytes.empty()
        || std::filesystem::exists(context.updaterPath, error);
    if (!haveUpdater) {
        context.frontend.dialogs.showMessage(identity.softwareName + "已经更新至" + newestVersion
                                             + "\r\n此版本没有附带更新器，无法自动更新，请手动下载新版本：\r\n"
                                             + updateAddress);
        return false;
    }
    if (!context.frontend.dialogs.confirm(identity.softwareName + "已经更新至" + newestVersion
                                          + "\r\n点击确定立即更新")) {
        return false;
    }
    launchUpdater(context, identity.softwareName, identity.programVersion, newestVersion, updateAddress,
                  identity.exeBaseName + executableSuffix());
    return false;
}

void launchUpdater(AppContext& context, const std::string& softwareName, const std::string& currentVersion,
                   const std::string& newestVersion, const std::string& updateAddress,
                   const std::string& programFileName)
{
    const std::filesystem::path& path = context.updaterPath;
    std::error_code error;
    if (!std::filesystem::exists(path, error)
        && !writeUpdater(path, context.environment.updaterBytes)) {
        context.frontend.dialogs.showMessage("更新器无法写出：" + pathText(path));
        return;
    }
    const std::vector<std::string> arguments{softwareName, currentVersion, newestVersion, updateAddress,
                                             programFileName};
    if (!context.frontend.launcher.startDetached(pathText(path), arguments)) {
        context.frontend.dialogs.showMessage("更新器无法启动：" + pathText(path));
    }
}

void removeStaleUpdater(const std::filesystem::path& updaterPath)
{
    std::error_code ignored;
    std::filesystem::remove(updaterPath, ignored);
}

}  // namespace velmora
