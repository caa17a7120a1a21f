// libFuzzer target over the translation file check: any bytes found as a
// LanguageData_*.qm. A file the check passes is handed to QTranslator, which looks
// up every text of the program in it, also as a plural. QTranslator's own reads
// happen inside Qt's library, where the sanitizer does not look, so the bytes end
// right at a page that cannot be read: a read past the end crashes.
// Seeds: the program's own .qm files (fuzz/run.sh translationcheck).
#include "language/translationcheck.h"

#include <QFile>
#include <QRegularExpression>
#include <QTranslator>
#include <QVector>

#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstring>
#include <utility>

namespace {

// The contexts and source texts of the program, from its English translation source.
QVector<std::pair<QByteArray, QByteArray>> programTexts()
{
    QFile ts(QStringLiteral(QUILLARY_ENGLISH_TS));
    ts.open(QIODevice::ReadOnly);
    const QString xml = QString::fromUtf8(ts.readAll());
    const QRegularExpression tag(QStringLiteral("<(name|source)>([^<]*)<"));
    QVector<std::pair<QByteArray, QByteArray>> texts;
    QByteArray context;
    for (auto match = tag.globalMatch(xml); match.hasNext();) {
        const QRegularExpressionMatch m = match.next();
        QString text = m.captured(2);
        text.replace(QLatin1String("&lt;"), QLatin1String("<")).replace(QLatin1String("&gt;"), QLatin1String(">"));
        text.replace(QLatin1String("&apos;"), QLatin1String("'")).replace(QLatin1String("&quot;"), QLatin1String("\""));
        text.replace(QLatin1String("&amp;"), QLatin1String("&"));
        if (m.captured(1) == QLatin1String("name"))
            context = text.toUtf8();
        else
            texts.append({context, text.toUtf8()});
    }
    return texts;
}

// A copy of the bytes that ends where an unreadable page begins.
class GuardedCopy
{
public:
    GuardedCopy(const uint8_t *data, size_t size)
    {
        const size_t page = size_t(sysconf(_SC_PAGESIZE));
        m_length = (size / page + 2) * page;
        m_base = static_cast<uchar *>(mmap(nullptr, m_length, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0));
        if (m_base == MAP_FAILED)
            std::abort();
        mprotect(m_base + m_length - page, page, PROT_NONE);
        m_data = m_base + m_length - page - size;
        std::memcpy(m_data, data, size);
    }
    ~GuardedCopy() { munmap(m_base, m_length); }
    const uchar *data() const { return m_data; }

private:
    uchar *m_base;
    size_t m_length;
    uchar *m_data;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const QVector<std::pair<QByteArray, QByteArray>> texts = programTexts();
    if (texts.isEmpty())
        std::abort();   // the translation source was not found: nothing would be looked up
    const GuardedCopy copy(data, size);
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(copy.data()), int(size));
    QTranslator translator;
    if (!Translation::isSoundTranslationFile(bytes) || !translator.load(copy.data(), int(size)))
        return 0;
    for (const auto &text : texts) {
        translator.translate(text.first.constData(), text.second.constData());
        translator.translate(text.first.constData(), text.second.constData(), nullptr, 2);
    }
    return 0;
}
