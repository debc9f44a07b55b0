// Linked into every test and benchmark executable: the whole run, from before main, has a
// home of its own.
#include "PrivateHome.h"

namespace {

const qtr::test::PrivateHome kHome;

} // namespace
