// The class's computers send attempts to the test server through the real
// outbox and sender, each child from a seat of its own.
#pragma once

#include "classroom/ClassSender.h"
#include "classroom/Outbox.h"
#include "classroom/OutgoingAttempt.h"
#include "classroom/PgConnection.h"
#include "tests/support/PgTestServer.h"

#include <chrono>

inline bool SendAsComputers(const QString& outbox, const QList<Attempt>& attempts) {
    using namespace std::chrono_literals;
    {
        Outbox queue(outbox);
        for (const Attempt& a : attempts)
            queue.Add(MakeOutgoing(a, PgTestServer::TestClass(), QStringLiteral("PC-%1").arg(a.child.size())));
    }
    ClassSender sender(
        outbox, [] { return std::make_unique<PgClassConnection>(PgTestServer::ServiceName()); },
        SenderTiming{100ms, 500ms, 500ms});
    sender.Start();
    return sender.WaitUntilSent(120s);
}
