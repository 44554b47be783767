// How a print of many pages tells its progress: first while it prepares the
// pages, when it may still be stopped and then prints nothing; then page by
// page while the job runs, when a half-printed job could no longer be undone.
#pragma once

#include <functional>

struct PrintRunProgress {
    // After each step of the preparation; false stops the run before the job starts.
    std::function<bool(int done, int total)> prepared;
    // After each page of the job.
    std::function<void(int done, int total)> printed;

    bool Prepared(int done, int total) const { return !prepared || prepared(done, total); }
    void Printed(int done, int total) const {
        if (printed)
            printed(done, total);
    }
};
