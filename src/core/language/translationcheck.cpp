#include "translationcheck.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

// The file: a 16-byte magic number, then sections, each a tag byte, a 4-byte length
// and that many bytes. Every number is big-endian. What QTranslator reads:
//  - Hashes: 8-byte entries, a hash of a source text and the offset of its message
//    in Messages;
//  - Messages: one record after the other, each a list of items (a tag byte, most
//    with a 4-byte length and data) closed by an End tag;
//  - Contexts (optional): a 16-bit table size, that many 16-bit offsets into a pool
//    of context names, each name a length byte and the bytes, a list ending with 0;
//  - NumerusRules: the plural rules, a small byte code;
//  - Dependencies: names of further files to load; Language: the language's name.
namespace Translation {

namespace {

const uchar Magic[] = {0x3c, 0xb8, 0x64, 0x18, 0xca, 0xef, 0x9c, 0x95, 0xcd, 0x21, 0x1c, 0xbf, 0x60, 0xa1, 0xbd, 0xdd};

enum Section : quint32 {
    Contexts = 0x2f,
    Hashes = 0x42,
    Messages = 0x69,
    NumerusRules = 0x88,
    Dependencies = 0x96,
    Language = 0xa7,
};

enum MessageItem : quint32 {
    End = 1,
    TranslatedText = 3,   // UTF-16, so an even length
    Obsolete1 = 5,     // 4 bytes, no length
    SourceText = 6,
    Context = 7,
    Comment = 8,
};

// Plural rules: conditions (an operator byte and one operand, two for "between")
// joined by AND, OR or "next rule" bytes.
enum Rule : quint32 { OperatorMask = 0x07, Equal = 1, Between = 4, InvalidBit = 0x80, FirstJoiner = 0xfd };

// Reads big-endian numbers and skips bytes within `size` bytes at `data`; every
// step checks that the bytes are there.
class Cursor
{
public:
    Cursor(const uchar *data, quint32 size) : m_data(data), m_size(size) {}

    const uchar *here() const { return m_data + m_pos; }
    quint32 position() const { return m_pos; }
    bool atEnd() const { return m_pos == m_size; }

    bool read(int bytes, quint32 &value)
    {
        if (m_size - m_pos < quint32(bytes))
            return false;
        value = 0;
        for (int i = 0; i < bytes; ++i)
            value = value << 8 | m_data[m_pos++];
        return true;
    }
    bool skip(quint32 bytes)
    {
        if (m_size - m_pos < bytes)
            return false;
        m_pos += bytes;
        return true;
    }

private:
    const uchar *m_data;
    quint32 m_size;
    quint32 m_pos = 0;
};

struct Block {
    const uchar *data = nullptr;
    quint32 size = 0;
};

// The offsets at which the records of Messages begin; false when a record runs past
// the end or holds an item QTranslator does not know.
bool readMessages(Block messages, std::vector<quint32> &starts)
{
    Cursor cursor(messages.data, messages.size);
    while (!cursor.atEnd()) {
        starts.push_back(cursor.position());
        for (quint32 item = 0; item != End;) {
            quint32 length = 0;
            if (!cursor.read(1, item))
                return false;
            if (item == End)
                continue;
            if (item == Obsolete1) {
                if (!cursor.skip(4))
                    return false;
                continue;
            }
            const bool known = item == TranslatedText || item == SourceText || item == Context || item == Comment;
            if (!known || !cursor.read(4, length) || !cursor.skip(length) || (item == TranslatedText && length % 2))
                return false;
        }
    }
    return true;
}

bool hashesAreSound(Block hashes, const std::vector<quint32> &messageStarts)
{
    if (hashes.size % 8 != 0)
        return false;
    Cursor cursor(hashes.data, hashes.size);
    quint32 hash = 0, offset = 0;
    while (cursor.read(4, hash) && cursor.read(4, offset)) {
        if (!std::binary_search(messageStarts.begin(), messageStarts.end(), offset))
            return false;
    }
    return true;
}

bool contextsAreSound(Block contexts)
{
    Cursor table(contexts.data, contexts.size);
    quint32 tableSize = 0;
    // QTranslator takes a hash modulo the table size.
    if (!table.read(2, tableSize) || tableSize == 0)
        return false;
    const quint32 poolStart = 2 + 2 * tableSize;
    if (poolStart > contexts.size)
        return false;
    for (quint32 i = 0, offset = 0; i < tableSize && table.read(2, offset); ++i) {
        Cursor names(contexts.data, contexts.size);
        quint32 length = offset == 0 ? 0 : 1;   // 0: an empty bucket
        if (offset != 0 && !names.skip(poolStart + 2 * offset))
            return false;
        while (length != 0) {
            if (!names.read(1, length) || !names.skip(length))
                return false;
        }
    }
    return true;
}

bool numerusRulesAreSound(Block rules)
{
    Cursor cursor(rules.data, rules.size);
    while (!cursor.atEnd()) {
        quint32 condition = 0, joiner = 0;
        const bool read = cursor.read(1, condition);
        const quint32 op = condition & OperatorMask;
        if (!read || (condition & InvalidBit) || op < Equal || op > Between || !cursor.skip(op == Between ? 2 : 1))
            return false;
        if (cursor.atEnd())
            return true;
        if (!cursor.read(1, joiner) || joiner < FirstJoiner || cursor.atEnd())
            return false;
    }
    return true;
}

} // namespace

bool isSoundTranslationFile(const QByteArray &qm)
{
    const auto *data = reinterpret_cast<const uchar *>(qm.constData());
    if (size_t(qm.size()) < sizeof Magic || std::memcmp(data, Magic, sizeof Magic) != 0)
        return false;

    // The sections fill the file exactly, each known tag at most once. (QTranslator
    // stops at a zero tag or length and ignores unknown tags; none of that is in a
    // file it wrote, so it is refused here.)
    std::array<Block, 256> sections{};
    Cursor file(data, quint32(qm.size()));
    file.skip(sizeof Magic);
    while (!file.atEnd()) {
        quint32 tag = 0, length = 0;
        if (!file.read(1, tag) || !file.read(4, length) || length == 0 || sections[tag].data)
            return false;
        sections[tag] = {file.here(), length};
        if (!file.skip(length))
            return false;
        // Dependencies are left out on purpose (see the header).
        const bool known = tag == Contexts || tag == Hashes || tag == Messages || tag == NumerusRules
                           || tag == Language;
        if (!known)
            return false;
    }

    std::vector<quint32> messageStarts;
    return readMessages(sections[Messages], messageStarts) && hashesAreSound(sections[Hashes], messageStarts)
           && (!sections[Contexts].data || contextsAreSound(sections[Contexts]))
           && numerusRulesAreSound(sections[NumerusRules]);
}

} // namespace Translation
