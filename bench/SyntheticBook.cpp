#include "SyntheticBook.h"

#include "book/Book.h"
#include "book/CodePage.h"
#include "book/Scrambling.h"

#include <QStringEncoder>
#include <QStringList>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <stdexcept>
#include <unistd.h>
#include <vector>

namespace benchbook {

namespace {

constexpr const char* kLineEnd = "\r\n";

std::string inBookCodePage(const QString& text) {
    QStringEncoder encoder(book::kBookCodePage);
    const QByteArray bytes = encoder.encode(text);
    if (encoder.hasError()) {
        throw std::runtime_error(std::string("no ") + book::kBookCodePage + " encoder");
    }
    return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

const std::vector<std::string>& vocabulary() {
    static const std::vector<std::string> words = [] {
        const QStringList source =
            QStringLiteral(
                "алгоритм массив элемент ключ сортировка поиск дерево вершина ребро граф очередь "
                "стек куча таблица строка подстрока префикс суффикс индекс значение сравнение "
                "обмен разбиение слияние рекурсия итерация память время оценка сложность порядок "
                "число длина путь цикл шаг условие результат ответ задача структура список узел "
                "лист корень потомок предок уровень высота баланс указатель граница середина")
                .split(QLatin1Char(' '));
        std::vector<std::string> encoded;
        for (const QString& word : source) {
            encoded.push_back(inBookCodePage(word));
        }
        return encoded;
    }();
    return words;
}

// Words picked by a fixed pseudo-random sequence, so every run makes the same book.
class Words {
public:
    explicit Words(uint64_t seed) : state_(seed * 0x9E3779B97F4A7C15ULL + 1) {}

    const std::string& next() {
        state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
        const auto& words = vocabulary();
        return words[(state_ >> 33) % words.size()];
    }

    std::string phrase(int count) {
        std::string text = next();
        for (int i = 1; i < count; ++i) {
            text += ' ';
            text += next();
        }
        return text;
    }

    // Appends blank-separated words until `text` has grown by exactly `bytes`.
    void grow(std::string& text, size_t bytes) {
        const size_t target = text.size() + bytes;
        while (text.size() < target) {
            text += ' ';
            text += next();
        }
        text.resize(target);
    }

private:
    uint64_t state_;
};

std::string chapterTitle(int chapter) {
    Words words(static_cast<uint64_t>(chapter));
    return inBookCodePage(QStringLiteral("Глава %1. ").arg(chapter)) + words.phrase(3);
}

std::string articleTitle(int chapter, int article) {
    Words words(static_cast<uint64_t>(chapter * 100 + article));
    return std::to_string(article) + ". " + words.phrase(4);
}

struct Entry {
    std::string marker;
    std::string second; // the chapter number or the anchor line
    std::string title;
};

std::vector<Entry> baseEntries() {
    std::vector<Entry> entries;
    for (int chapter = 1; chapter <= kChapters; ++chapter) {
        entries.push_back({"[vkladka]", std::to_string(chapter), chapterTitle(chapter)});
        for (int article = 1; article <= kArticlesPerChapter; ++article) {
            entries.push_back({"[pro]", articleAnchor(article), articleTitle(chapter, article)});
        }
    }
    return entries;
}

std::string joinContents(const std::vector<Entry>& entries,
                         const std::vector<std::string>& strayLines) {
    std::string text;
    for (size_t i = 0; i < entries.size(); ++i) {
        text += entries[i].marker + kLineEnd + entries[i].second + kLineEnd + entries[i].title +
                kLineEnd;
        if (!strayLines.empty()) {
            text += strayLines[i];
        }
    }
    return text + std::to_string(kChapters) + kLineEnd;
}

void appendParagraph(std::string& page, Words& words, size_t bytes) {
    std::string paragraph = "<p>";
    size_t lineStart = 0;
    const size_t target = bytes > 8 ? bytes - 8 : 0;
    while (paragraph.size() < target) {
        paragraph += words.next();
        if (paragraph.size() - lineStart > 72) {
            paragraph += kLineEnd;
            lineStart = paragraph.size();
        } else {
            paragraph += ' ';
        }
    }
    page += paragraph + "</p>" + kLineEnd;
}

void appendCode(std::string& page, int article) {
    page += "<pre>";
    for (int line = 0; line < 8; ++line) {
        page += "for (int i = " + std::to_string(line) +
                "; i < n; i += " + std::to_string(article) + ") { a[i] = a[i - 1] + b[i]; }" +
                kLineEnd;
    }
    page += std::string("</pre>") + kLineEnd;
}

} // namespace

std::string articleAnchor(int article) {
    return "#s" + std::to_string(article);
}

std::string contentsText(int textScale) {
    std::vector<Entry> entries = baseEntries();
    if (textScale <= 1) {
        return joinContents(entries, {});
    }
    // Half the extra text goes into longer titles, half into lines the loader skips.
    const size_t baseSize = joinContents(entries, {}).size();
    const size_t extraPerEntry = (static_cast<size_t>(textScale) - 1) * baseSize / entries.size();
    std::vector<std::string> strayLines(entries.size());
    for (size_t i = 0; i < entries.size(); ++i) {
        Words words(1000 + i);
        words.grow(entries[i].title, extraPerEntry / 2);
        std::string& stray = strayLines[i];
        const size_t strayBytes = extraPerEntry - extraPerEntry / 2;
        while (stray.size() < strayBytes) {
            // Lines of about 60 bytes, the last one cut to what is left.
            const size_t left = strayBytes - stray.size();
            std::string line = ";";
            words.grow(line, std::min<size_t>(60, left > 3 ? left - 3 : 0));
            stray += line + kLineEnd;
        }
    }
    return joinContents(entries, strayLines);
}

std::string chapterPage(int chapter, size_t bytes) {
    const std::string title = chapterTitle(chapter);
    std::string page =
        std::string("<head>") + kLineEnd +
        "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=" + book::kBookCodePage +
        "\">" + kLineEnd + "<title>" + title + "</title>" + kLineEnd +
        "<style>body{font-family:\"DejaVu Sans\",sans-serif;font-size:13px;"
        "line-height:1.45;margin:10px 14px;}h2{font-size:16px;color:#23406b;}"
        "pre{background:#f4f6f9;padding:8px;}</style>" +
        kLineEnd + "</head>" + kLineEnd + "<body>" + kLineEnd + "<a name=\"toppage\"></a>" +
        kLineEnd + "<h1>" + title + "</h1>" + kLineEnd;
    const std::string end = std::string("</body>") + kLineEnd;
    const size_t sectionBytes = bytes > page.size() + end.size()
                                    ? (bytes - page.size() - end.size()) / kArticlesPerChapter
                                    : 0;
    Words words(static_cast<uint64_t>(chapter) * 7919);
    for (int article = 1; article <= kArticlesPerChapter; ++article) {
        const size_t sectionEnd = page.size() + sectionBytes;
        page += "<a name=\"" + articleAnchor(article).substr(1) + "\"></a>" + kLineEnd + "<h2>" +
                articleTitle(chapter, article) + "</h2>" + kLineEnd;
        appendCode(page, article);
        while (page.size() + 700 < sectionEnd) {
            appendParagraph(page, words, 600);
        }
        if (page.size() < sectionEnd) {
            appendParagraph(page, words, sectionEnd - page.size());
        }
    }
    return page + end;
}

std::string longText(size_t bytes) {
    std::string text;
    text.reserve(bytes + kChapterBytes * 2);
    for (int chapter = 1; text.size() < bytes; ++chapter) {
        text += chapterPage(chapter);
    }
    text.resize(bytes);
    return text;
}

std::string storedForm(const std::string& plain) {
    if (plain.find(static_cast<char>(book::kPlainByteOfEndMark)) != std::string::npos) {
        throw std::runtime_error("the text holds the byte a book file cannot carry");
    }
    return book::scramble(plain);
}

void writeFile(const std::string& path, const std::string& bytes) {
    const int descriptor = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (descriptor < 0) {
        throw std::runtime_error(path + ": " + std::strerror(errno));
    }
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::write(descriptor, bytes.data() + done, bytes.size() - done);
        if (written < 0) {
            const int error = errno;
            ::close(descriptor);
            throw std::runtime_error(path + ": " + std::strerror(error));
        }
        done += static_cast<size_t>(written);
    }
    const bool synced = ::fsync(descriptor) == 0;
    if (::close(descriptor) != 0 || !synced) {
        throw std::runtime_error(path + ": " + std::strerror(errno));
    }
}

void writeBook(const std::string& folder) {
    book::Book layout;
    layout.fixFolders(folder + "/");
    std::filesystem::create_directories(layout.bookFolder());
    writeFile(layout.contentsFilePath(), storedForm(contentsText()));
    for (int chapter = 1; chapter <= kChapters; ++chapter) {
        writeFile(layout.chapterFilePath(chapter), storedForm(chapterPage(chapter)));
    }
}

} // namespace benchbook
