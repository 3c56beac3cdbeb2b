#pragma once

#include <QFuture>
#include <QFutureWatcher>
#include <QObject>

#include <type_traits>
#include <utility>

// Calls `handler` on `context`'s thread with the future's result once it has
// finished, unless `context` has gone by then or the future was cancelled
// (as QFuture::then skips its continuation). QFuture::then(context, ...)
// reads its context from the thread that finishes the future, which races
// with the context's destruction (a window closed, or a coordinator
// destroyed, while a child process still runs); the watcher here is the
// context's child and goes with it.
template <typename T, typename Handler>
void whenFinished(QFuture<T> future, QObject *context, Handler handler)
{
    auto *watcher = new QFutureWatcher<T>(context);
    QObject::connect(watcher, &QFutureWatcherBase::finished, context,
                     [watcher, handler = std::move(handler)]() mutable {
                         watcher->deleteLater();
                         if (watcher->isCanceled())
                             return;
                         if constexpr (std::is_void_v<T>)
                             handler();
                         else
                             handler(watcher->result());
                     });
    watcher->setFuture(std::move(future));
}
