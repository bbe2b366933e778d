// Feeds arbitrary bytes to the records reader as one records file, and checks what must always
// hold: nothing escapes, each record read is whole (its line writes back byte for byte as the
// line it was read from), and no line is counted twice as a record.
#include "results/Records.h"

#include "FuzzCheck.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

using bs::fuzz::check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    qsizetype records = 0;
    const bs::LinesRead read = bs::readRecordLines(bytes, [&](bs::ResultRecord&& record, QByteArrayView line) {
        check(line.endsWith('\n'));
        check(bs::recordLine(record) == line);
        ++records;
    });
    // A torn line and the record after it share a line: each is counted.
    const qsizetype lines = bytes.count('\n');
    check(read.damaged >= 0 && read.damaged <= lines && read.later >= 0);
    check(records + read.later <= lines);
    return 0;
}
