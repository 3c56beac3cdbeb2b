#include "analysis/AnalysisCancelToken.h"

#include "process/ProcessRunner.h"

#include <mutex>

struct AnalysisCancelToken::State
{
    std::mutex lock;
    bool cancelled = false;
    // Weak: the token must not keep a finished run's runner alive.
    std::weak_ptr<ProcessRunner> runner;
};

AnalysisCancelToken::AnalysisCancelToken()
    : m_state(std::make_shared<State>())
{
}

void AnalysisCancelToken::cancel()
{
    std::shared_ptr<ProcessRunner> runner;
    {
        std::lock_guard guard(m_state->lock);
        m_state->cancelled = true;
        runner = m_state->runner.lock();
    }
    if (runner)
        runner->cancel();
}

bool AnalysisCancelToken::isCancelled() const
{
    std::lock_guard guard(m_state->lock);
    return m_state->cancelled;
}

void AnalysisCancelToken::attach(const std::shared_ptr<ProcessRunner> &runner) const
{
    bool cancelNow = false;
    {
        std::lock_guard guard(m_state->lock);
        m_state->runner = runner;
        cancelNow = m_state->cancelled;
    }
    if (cancelNow)
        runner->cancel();
}
