#pragma once

#include <memory>

class ProcessRunner;

// Lets whoever started an analysis stop it, for instance when a job is
// cancelled while its link is being analysed. Copies share one state; every
// operation may be called from any thread.
//
// cancel() before the analysis starts its tool means the tool never starts;
// while it runs, the runner's cancel (SIGTERM to the process group, SIGKILL
// later); after the end, nothing. A cancelled analysis ends with `cancelled`
// (a link that fails validation still ends with `invalidURL`).
class AnalysisCancelToken
{
public:
    AnalysisCancelToken();

    void cancel();
    bool isCancelled() const;

    // Called by the analysis once it has its runner: a token already
    // cancelled cancels the runner at once.
    void attach(const std::shared_ptr<ProcessRunner> &runner) const;

private:
    struct State;
    std::shared_ptr<State> m_state;
};
