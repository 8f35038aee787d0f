#pragma once

class QThreadPool;

namespace tvk {

// The pool for background jobs that themselves wait on work spread over the global pool
// (reading many recordings at once, indexing a card). Run on the global pool, a few such jobs
// could take every thread while their own pieces queue behind them; on a two-core machine two
// suffice to hang the program.
QThreadPool *waitingJobs();

} // namespace tvk
