#include "platform/Messages.h"

#include <QCoreApplication>
#include <QObject>
#include <gtest/gtest.h>
#include <vector>

namespace {

class Receiver : public QObject
{
public:
    struct Seen
    {
        unsigned msg;
        WPARAM wParam;
        LPARAM lParam;
    };
    std::vector<Seen> seen;

protected:
    bool event(QEvent* e) override
    {
        if (auto* m = AsWindowMessage(e)) {
            seen.push_back({m->msg, m->wParam, m->lParam});
            m->result = static_cast<LRESULT>(m->wParam) * 2;
            return true;
        }
        return QObject::event(e);
    }
};

TEST(Messages, PostQueuesAndSendDeliversAtOnce)
{
    Receiver r;
    EXPECT_TRUE(PostMessage(&r, UM_UDP_RESULT, 3, -1));
    EXPECT_TRUE(r.seen.empty());
    EXPECT_EQ(SendMessage(&r, UM_WIZARD, 21, 0), 42);
    ASSERT_EQ(r.seen.size(), 1u);
    EXPECT_EQ(r.seen[0].msg, unsigned(UM_WIZARD));
    QCoreApplication::sendPostedEvents();
    ASSERT_EQ(r.seen.size(), 2u);
    EXPECT_EQ(r.seen[1].msg, 0x8066u);
    EXPECT_EQ(r.seen[1].wParam, 3u);
    EXPECT_EQ(r.seen[1].lParam, -1);
}

TEST(Messages, NoTargetIsNoCrash)
{
    EXPECT_FALSE(PostMessage(nullptr, UM_WIZARD));
    EXPECT_EQ(SendMessage(nullptr, UM_WIZARD, 1, 1), 0);
    EXPECT_EQ(AsWindowMessage(nullptr), nullptr);
}

TEST(Messages, MessageNumbers)
{
    EXPECT_EQ(UM_ASYNC_SELECT, 0x8001u);
    EXPECT_EQ(UM_WIZARD, 0x8064u);
    EXPECT_EQ(UM_SOCKET, 0x8065u);
    EXPECT_EQ(UM_UDP_TIMEOUT, 0x8067u);
    EXPECT_EQ(UM_UDP_EVENT, 0x8068u);
}

} // namespace
