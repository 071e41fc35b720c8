#pragma once

namespace velmora {

struct AppContext;

// Connects to the server (primary endpoint, then the fallback), runs the
// update check and binds the plan manager to the plan box.
class ConnectStep {
public:
    explicit ConnectStep(AppContext& context) : m_context(context) {}
    bool run();

private:
    AppContext& m_context;
};

// Registers the plan, sets up the board and loads the draw history.
class LoadStep {
public:
    explicit LoadStep(AppContext& context) : m_context(context) {}
    bool run();

private:
    AppContext& m_context;
};

// Runs each start-up step with a fresh step object.
class StartupSequence {
public:
    bool runConnectStep(AppContext& context);
    bool runLoadStep(AppContext& context);
};

}  // namespace velmora
