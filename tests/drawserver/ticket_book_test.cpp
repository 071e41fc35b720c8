#include "drawserver/ticket_book.h"

#include <gtest/gtest.h>

namespace velmora::drawserver {
namespace {

TEST(TicketBookTest, AKeyIsGivenOutOnceWithinItsLifetime)
{
    TicketBook book;
    const IssuedTicket a = book.issue(1000);
    const IssuedTicket b = book.issue(1000);
    EXPECT_NE(a.ticket, b.ticket);

    const Redemption first = book.redeem(a.ticket, 1060);
    EXPECT_EQ(first.state, TicketState::Valid);
    EXPECT_EQ(first.key, a.key);
    EXPECT_EQ(book.redeem(a.ticket, 1060).state, TicketState::Used);

    EXPECT_EQ(book.redeem(b.ticket, 1061).state, TicketState::Expired);
    EXPECT_EQ(book.redeem(b.ticket, 1061).key, "");
    EXPECT_EQ(book.redeem("ffffffffffffffffffffffffffffffff", 1000).state, TicketState::Unknown);
}

TEST(TicketBookTest, OldTicketsAreForgottenAndTheBookStaysBounded)
{
    TicketBook book(3);
    const IssuedTicket oldest = book.issue(0);
    book.issue(1);
    book.issue(2);
    const IssuedTicket newest = book.issue(3);
    EXPECT_EQ(book.size(), 3u);
    EXPECT_EQ(book.redeem(oldest.ticket, 4).state, TicketState::Unknown);
    EXPECT_EQ(book.redeem(newest.ticket, 4).state, TicketState::Valid);

    // Long after, spent and expired tickets alike are gone.
    book.issue(10000);
    EXPECT_EQ(book.size(), 1u);
    EXPECT_EQ(book.redeem(newest.ticket, 10000).state, TicketState::Unknown);
}

}  // namespace
}  // namespace velmora::drawserver
