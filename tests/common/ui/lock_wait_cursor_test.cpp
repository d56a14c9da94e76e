#include "common/ui/lock_wait_cursor.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCursor>

namespace qm {
namespace {

// The busy cursor stands exactly as long as the wait for another program's lock.
TEST(LockWaitCursor, ShowsTheBusyCursorWhileTheLockWaits)
{
    const LockWait wait = busyCursorWhileLockWaits();
    ASSERT_TRUE(wait.shown);
    ASSERT_EQ(QApplication::overrideCursor(), nullptr);
    wait.shown(true);
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    wait.shown(false);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

}  // namespace
}  // namespace qm
