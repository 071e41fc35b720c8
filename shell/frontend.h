#pragma once

namespace velmora {

class MainView;
class SplashController;
class UserDialogs;
class Clipboard;
class UrlOpener;
class ProcessLauncher;
class SystemClock;

// What a front-end (the Qt windows or the console) hands to the application:
// its implementations of the seams. The front-end owns them and keeps them
// alive for as long as the Application runs.
struct Frontend {
    MainView& mainView;
    SplashController& splash;
    UserDialogs& dialogs;
    Clipboard& clipboard;
    UrlOpener& urlOpener;
    ProcessLauncher& launcher;
    SystemClock& clock;
};

}  // namespace velmora
