// How an old file of a run cut off goes back, for every combination of what its record says and what is seen
// at its set-aside and its own name: one table, no disk.
#include "project/RepairDecision.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{

const ContentProof kOld = {3, 0x01d};
const ContentProof kNew = {4, 0x2e3};

// What a name holds, as a row of the table names it.
enum class Holds
{
    Nothing,
    Unreadable,
    NoBytes,
    OldBytes,
    NewBytes,
    OtherBytes,
};

Seen SeenHolding(Holds holds)
{
    Seen seen;
    const ContentProof proofs[] = {{}, {}, {0, 0}, kOld, kNew, {5, 0x5a5}};
    seen.kind = holds == Holds::Nothing      ? Seen::Kind::Absent
                : holds == Holds::Unreadable ? Seen::Kind::Unknown
                                             : Seen::Kind::File;
    seen.proof = proofs[static_cast<int>(holds)];
    seen.code = holds == Holds::Unreadable ? 21 : 0;
    return seen;
}

// An old file whose new one was written whole; the record said it went aside (and in) or not yet.
RecordedFile Recorded(bool aside, bool in, const ContentProof& old = kOld)
{
    RecordedFile file("h");
    file.announced = file.existed = true;
    file.temporaryProofs.Prove(kNew);
    if (aside)
        file.aside = file.oldProofs.Prove(old);
    if (in)
        file.in = file.newProofs.Prove(kNew);
    return file;
}

std::string Told(const BackDecision& decision)
{
    const char* steps[] = {"none", "move back", "remove aside", "block aside", "block file", "move new in"};
    const char* words[] = {"",
                           ", old gone",
                           ", keeps new",
                           ", missing",
                           ", missing beside new",
                           ", other beside new",
                           ", changed beside old",
                           ", unproven beside old",
                           ", changed",
                           ", unproven"};
    return std::string(steps[static_cast<int>(decision.step)]) + words[static_cast<int>(decision.word)] +
           (decision.asideLeft ? ", aside named" : "") + (decision.temporaryKept ? ", temporary kept" : "");
}

struct Row
{
    Holds aside;
    Holds file;
    // Before the old file was said to go aside, once it was, and once its new one was said to be in.
    std::vector<std::string> decided;
    bool emptyOld = false;  // the old file had no bytes, as one the editor made for a missing file
};

const std::vector<Row> kTable = {
    {Holds::Nothing, Holds::Nothing, {"none", "none", "none"}},
    {Holds::Nothing, Holds::Unreadable, {"none", "none", "none"}},
    {Holds::Nothing, Holds::NoBytes, {"none", "none", "none"}},
    {Holds::Nothing, Holds::OldBytes, {"none", "none", "none"}},
    {Holds::Nothing, Holds::NewBytes, {"none", "none, old gone", "none, old gone"}},
    {Holds::Nothing, Holds::OtherBytes, {"none", "none", "none"}},
    {Holds::Unreadable, Holds::Nothing, {"block aside", "block aside", "block aside"}},
    {Holds::Unreadable, Holds::NewBytes, {"block aside", "block aside", "block aside"}},
    {Holds::NoBytes, Holds::Nothing, {"remove aside", "remove aside", "remove aside"}},
    {Holds::NoBytes, Holds::OldBytes, {"remove aside", "remove aside", "remove aside"}},
    {Holds::NoBytes, Holds::NewBytes, {"remove aside", "remove aside", "remove aside"}},
    {Holds::NoBytes, Holds::Nothing, {"remove aside", "move back", "move back"}, true},
    {Holds::NoBytes, Holds::Unreadable, {"remove aside", "block file", "block file"}, true},
    {Holds::NoBytes, Holds::NoBytes, {"remove aside", "remove aside", "remove aside"}, true},
    {Holds::NoBytes, Holds::NewBytes, {"remove aside", "move back", "move back"}, true},
    {Holds::NoBytes, Holds::OtherBytes, {"remove aside", "remove aside, changed", "remove aside, changed"}, true},
    {Holds::OldBytes, Holds::Nothing, {"none, missing, aside named", "move back", "move back"}},
    {Holds::OldBytes, Holds::Unreadable, {"none, aside named", "block file", "block file"}},
    {Holds::OldBytes, Holds::NoBytes, {"none, aside named", "move back", "move back"}},
    {Holds::OldBytes, Holds::OldBytes, {"none, aside named", "none, changed beside old", "none, changed beside old"}},
    {Holds::OldBytes, Holds::NewBytes, {"none, keeps new, aside named", "move back", "move back"}},
    {Holds::OldBytes, Holds::OtherBytes, {"none, aside named", "none, changed beside old", "none, changed beside old"}},
    {Holds::OtherBytes,
     Holds::Nothing,
     {"none, missing, aside named", "none, missing, aside named", "none, missing, aside named"}},
    {Holds::OtherBytes, Holds::Unreadable, {"none, aside named", "none, aside named", "none, aside named"}},
    {Holds::OtherBytes, Holds::NoBytes, {"none, aside named", "none, aside named", "none, aside named"}},
    {Holds::OtherBytes, Holds::OldBytes, {"none, aside named", "none, aside named", "none, aside named"}},
    {Holds::OtherBytes,
     Holds::NewBytes,
     {"none, keeps new, aside named", "none, keeps new, aside named", "none, keeps new, aside named"}},
    {Holds::OtherBytes, Holds::OtherBytes, {"none, aside named", "none, aside named", "none, aside named"}},
};

}  // namespace

// Before, the decision was two switches reading the disk again and again, acting as they went; the words came
// from a second look. Every combination is decided here from what was seen once, with its word.
TEST(RepairDecision, EveryCombinationOfRecordAndWhatIsSeenIsDecidedWithItsWord)
{
    for (const Row& row : kTable)
        for (int said = 0; said < 3; said++)
        {
            SCOPED_TRACE("set-aside " + std::to_string(static_cast<int>(row.aside)) + ", file " +
                         std::to_string(static_cast<int>(row.file)) + ", said " + std::to_string(said) +
                         (row.emptyOld ? ", old empty" : ""));
            const BackDecision decision =
                DecideBack(Recorded(said > 0, said > 1, row.emptyOld ? ContentProof{0, 0} : kOld),
                           SeenHolding(row.aside), SeenHolding(row.file), SeenHolding(Holds::Nothing));
            EXPECT_EQ(row.decided[said], Told(decision));
        }
}

// Where the old file went aside and is gone, and nothing stands at its name, the run's new file whole at its
// temporary is all it has, and goes in. An old file of no bytes that went aside goes back like any other; a
// set-aside the run never reserved, as in the earliest record, stays where it is empty; an old file back with the
// text the run left as it was has lost nothing.
TEST(RepairDecision, TheCasesOutsideTheTable)
{
    const Seen nothing = SeenHolding(Holds::Nothing);
    EXPECT_EQ("none", Told(DecideBack(Recorded(false, false), nothing, nothing, SeenHolding(Holds::NewBytes))));
    for (const bool in : {false, true})
    {
        EXPECT_EQ("move new in, old gone",
                  Told(DecideBack(Recorded(true, in), nothing, nothing, SeenHolding(Holds::NewBytes))));
        EXPECT_EQ("none", Told(DecideBack(Recorded(true, in), nothing, nothing, SeenHolding(Holds::OtherBytes))));
        // Beside another's file at its name the run's whole new file is all of it there is: it stays at the
        // temporary; the old file back at its name needs none.
        for (const Holds other : {Holds::OtherBytes, Holds::NoBytes})
            EXPECT_EQ("none, other beside new, temporary kept",
                      Told(DecideBack(Recorded(true, in), nothing, SeenHolding(other), SeenHolding(Holds::NewBytes))));
        EXPECT_EQ("none", Told(DecideBack(Recorded(true, in), nothing, SeenHolding(Holds::OldBytes),
                                          SeenHolding(Holds::NewBytes))));
        // Beside one that cannot be read, which may be either, the same new file is perhaps its only copy.
        EXPECT_EQ("block file, temporary kept",
                  Told(DecideBack(Recorded(true, in), nothing, SeenHolding(Holds::Unreadable),
                                  SeenHolding(Holds::NewBytes))));
    }
    // Beside a set-aside that is not the run's, with nothing at the file's name, the run's whole new file is all
    // of it there is: it stays at the temporary.
    for (int said = 0; said < 3; said++)
        EXPECT_EQ("none, missing beside new, aside named, temporary kept",
                  Told(DecideBack(Recorded(said > 0, said > 1), SeenHolding(Holds::OtherBytes), nothing,
                                  SeenHolding(Holds::NewBytes))));
    RecordedFile unchanged = Recorded(true, true);
    unchanged.oldProofs.Prove(kNew);
    EXPECT_EQ("none", Told(DecideBack(unchanged, nothing, SeenHolding(Holds::NewBytes), nothing)));

    RecordedFile empty = Recorded(true, true);
    empty.oldProofs.Prove({0, 0});
    EXPECT_EQ("move back", Told(DecideBack(empty, SeenHolding(Holds::NoBytes), SeenHolding(Holds::NewBytes), nothing)));
    RecordedFile unreserved = Recorded(false, false);
    unreserved.reserved = false;
    EXPECT_EQ("none", Told(DecideBack(unreserved, SeenHolding(Holds::NoBytes), SeenHolding(Holds::OldBytes), nothing)));
}

// An earlier designer's record proves the set-aside by its line alone and no new file at all: the old file goes
// back only where nothing stands at its name, and a file there is neither the run's nor proven changed.
TEST(RepairDecision, AnEarlierRecordWithoutProofsNeverCallsAFileChanged)
{
    RecordedFile earlier("h");
    earlier.announced = earlier.existed = earlier.aside = earlier.oldProofs.any = true;
    earlier.proven = false;
    for (const bool in : {false, true})
    {
        earlier.in = in;
        earlier.temporaryProofs.any = !in;
        const Seen aside = SeenHolding(Holds::OldBytes), nothing = SeenHolding(Holds::Nothing);
        EXPECT_EQ("move back", Told(DecideBack(earlier, aside, nothing, nothing)));
        for (const Holds file : {Holds::NewBytes, Holds::OtherBytes})
        {
            EXPECT_EQ("none, unproven beside old", Told(DecideBack(earlier, aside, SeenHolding(file), nothing)));
            // An old file of no bytes holds nothing to lose: its set-aside goes, and the file is named all the same.
            EXPECT_EQ("remove aside, unproven",
                      Told(DecideBack(earlier, SeenHolding(Holds::NoBytes), SeenHolding(file), nothing)));
        }
    }
}
