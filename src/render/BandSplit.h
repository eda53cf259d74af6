#pragma once
// Rows split into bands of about equal drawing work, so that threads drawing one band each end
// at about the same time.

#include <cstdint>
#include <vector>

// tops gets bands + 1 entries: band b holds rows tops[b] .. tops[b + 1] - 1. Each band ends
// after the row where the work so far first reaches its share, and holds at least one row;
// bands is at least 1 and at most the number of rows.
void SplitRowsAtEqualWork(const std::vector<uint64_t>& rowWork, int bands, std::vector<int>& tops);
