// The network window: what the user sees and what it refuses.
#include "NetTestSupport.h"

#include "net/Reseau.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QToolButton>

#include <gtest/gtest.h>

using namespace vantorel;
using namespace vantorel::nettest;

namespace {

// The recent addresses: the one called first, the others in their order, five at most.
TEST(RecentAddresses, RotationTable) {
    struct Case {
        QStringList before;
        QString called;
        QStringList after;
    };
    const Case cases[] = {
        {{"10.0.0.1", "10.0.0.2", "10.0.0.3"},
         "10.0.0.4",
         {"10.0.0.4", "10.0.0.1", "10.0.0.2", "10.0.0.3"}},
        {{"10.0.0.4", "10.0.0.1", "10.0.0.2", "10.0.0.3"},
         "10.0.0.2",
         {"10.0.0.2", "10.0.0.4", "10.0.0.1", "10.0.0.3"}},
        {{"a1", "b2", "c3", "d4", "e5"}, "f6", {}},
        {{"host1", "host2", "host3", "host4", "host5"},
         "host6",
         {"host6", "host1", "host2", "host3", "host4"}},
        {{"", "x", "host1"}, "host1", {"host1"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(RotateRecentAddresses(c.before, c.called), c.after) << c.called.toStdString();
}

// Two windows over loopback: chat by the send button and by leaving the line, the icon
// following a smiley, the window that will not close, "Fermer" asking for a new game.
TEST(Reseau, ChatSmileyAndAWindowThatStays) {
    Machine server(1), caller(1);
    int newGameAsked = 0;
    TFReseau serverWindow(nullptr, *server.game, {[&] { ++newGameAsked; }, {}, {}, {}, {}});
    TFReseau callerWindow(nullptr, *caller.game, {});
    server.owner.Session = &serverWindow.Session;
    caller.owner.Session = &callerWindow.Session;
    server.game->GameType = kNetworkServer;
    server.game->Players[kWhite] = {"Anaïs", TPlayerRec::Server, "", 0};
    serverWindow.Restart(2, {}, 0, QHostAddress::LocalHost);
    EXPECT_FALSE(serverWindow.ToolButton2->isEnabled());
    caller.game->GameType = kNetworkCaller;
    callerWindow.Restart(1, QStringLiteral("127.0.0.1"), serverWindow.Session.ListeningPort());
    ASSERT_TRUE(Pump([&] { return callerWindow.Role() == 2; }));
    EXPECT_TRUE(callerWindow.ToolButton2->isEnabled());
    EXPECT_TRUE(callerWindow.ToolButton3->isEnabled());
    EXPECT_EQ(callerWindow.CB_connectes->count(), 1);

    callerWindow.Edit1->setText(QStringLiteral("bonjour"));
    callerWindow.ToolButton2Click();
    EXPECT_TRUE(callerWindow.Edit1->text().isEmpty());
    callerWindow.ToolButton3->click();
    ASSERT_TRUE(Pump([&] {
        return serverWindow.Memo1->toPlainText().contains(QStringLiteral("127.0.0.1 : :-)"));
    }));
    EXPECT_TRUE(serverWindow.Memo1->toPlainText().contains(QStringLiteral("127.0.0.1 : bonjour")));
    EXPECT_EQ(QApplication::windowIcon().pixmap(32).toImage(), SmileyIcon(1).pixmap(32).toImage());

    EXPECT_FALSE(serverWindow.close());
    serverWindow.ToolButton1->click();
    EXPECT_EQ(newGameAsked, 1);

    // The overwritten line stays one line of the log.
    const int line = serverWindow.AppendLog(QStringLiteral("un"));
    serverWindow.ReplaceLogLine(line, QStringLiteral("deux"));
    EXPECT_TRUE(serverWindow.Memo1->toPlainText().endsWith(QStringLiteral("\ndeux")));
}

} // namespace
