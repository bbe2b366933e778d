// Feeds arbitrary bytes to the field reader, the worksheet loader and the catalogue reader, and
// checks what must always hold: nothing but DataError escapes, a read never runs past the
// file, and a catalogue that was read writes out and reads back as the same titles.
#include "worksheetdata/Catalogue.h"
#include "base/Cp1252.h"
#include "worksheetdata/DataError.h"
#include "worksheetdata/FieldReader.h"
#include "worksheetdata/Worksheet.h"

#include "FuzzCheck.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>

using bs::fuzz::check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));

    check(bs::cp1252::encode(bs::cp1252::decode(bytes)) == bytes);

    {
        bs::FieldReader in(bytes);
        qsizetype fields = 0;
        while (!in.atEnd()) {
            in.readField();
            ++fields;
        }
        check(fields <= bytes.count('\n') + 1);
        try {
            in.readField();
            check(false);
        } catch (const bs::DataError&) {
        }
    }

    {
        bs::QuestionBank bank;
        bs::FieldReader in(bytes);
        try {
            bs::loadworksheet(in, bank);
        } catch (const bs::DataError&) {
        }
    }

    auto list = std::make_unique<bs::CatalogueList>();
    bool complete = true;
    {
        bs::FieldReader in(bytes);
        try {
            bs::readCatalogue(in, *list);
        } catch (const bs::DataError&) {
            complete = false;
        }
        check(list->workcount >= 0 && list->workcount <= bs::CatalogueList::CatalogueLimit);
    }
    if (complete) {
        const auto titles = std::span<const QString>(list->worklist).subspan(1, list->workcount);
        const QByteArray written = bs::catalogueBytes(titles);
        auto reread = std::make_unique<bs::CatalogueList>();
        bs::FieldReader in(written);
        bs::readCatalogue(in, *reread);
        check(reread->workcount == list->workcount);
        for (int i = 1; i <= list->workcount; ++i)
            check(reread->worklist[i] == list->worklist[i]);
        check(in.atEnd());
    }
    return 0;
}
