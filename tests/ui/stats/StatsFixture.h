#pragma once
#include "TestSupport.h"

#include <QDateTime>

namespace cardova::test {

// A context whose clock (and so the score store's) stands still until a test
// moves `now`.
class StatsFixture : public ContextFixture {
protected:
    void SetUp() override
    {
        ContextFixture::SetUp();
        ctx->now = [this] { return now; };
    }
    QDateTime now = QDateTime(QDate(2026, 5, 20), QTime(15, 0, 0));
};

} // namespace cardova::test
