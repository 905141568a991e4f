// Arbitrary bytes as a character file. Beyond not crashing, a file the
// reader accepts must survive saving: the record written back out reads
// again, and writing that second record gives the very same bytes. A save
// that the program itself cannot open again would lose the character.
#include "charfile/CharacterFile.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

[[noreturn]] void fail(const char* what, const QByteArray& written, const QString& error)
{
    std::fprintf(stderr, "character file round trip: %s\n%s\n--- written ---\n%s\n", what, error.toUtf8().constData(),
                 written.constData());
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // A copy, as reading a file gives: its own buffer, with the terminating
    // zero that Qt keeps after the data.
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const charfile::ReadResult first = charfile::read(bytes, QStringLiteral("input.vcx2"));
    if (!first.record) {
        if (first.error.isEmpty())
            fail("a refused file came back without a reason", QByteArray(), QString());
        return 0;
    }

    const QByteArray written = charfile::write(*first.record);
    const charfile::ReadResult second = charfile::read(written, QStringLiteral("saved.vcx2"));
    if (!second.record)
        fail("the saved file does not read back", written, second.error);
    if (charfile::write(*second.record) != written)
        fail("the saved file reads back as a different character", written, QString());
    return 0;
}
