#include "platform/path_text.h"

#include "scenario/folder_path.h"

#include <QByteArrayView>
#include <QCoreApplication>
#include <QDir>
#include <QStringDecoder>
#ifdef Q_OS_LINUX
#include <climits>
#include <unistd.h>
#endif

namespace zentadial {
namespace {

constexpr char16_t kEscapeBase = 0xDC00;
constexpr char16_t kFirstEscape = kEscapeBase + 0x80;
constexpr char16_t kLastEscape = kEscapeBase + 0xFF;

// The length of the UTF-8 sequence at the start of text, or 0 when it is
// none (overlong forms, surrogates and values beyond U+10FFFF included).
std::size_t utf8Length(std::string_view text) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead < 0x80) {
        return 1;
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (text.size() < length || byte(1) < low || byte(1) > high) {
        return 0;
    }
    for (std::size_t i = 2; i < length; ++i) {
        if (byte(i) < 0x80 || byte(i) > 0xBF) {
            return 0;
        }
    }
    return length;
}

} // namespace

QString pathFromUtf8(std::string_view bytes) {
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    while (!bytes.empty()) {
        std::size_t run = 0;
        while (run < bytes.size()) {
            const std::size_t length = utf8Length(bytes.substr(run));
            if (length == 0) {
                break;
            }
            run += length;
        }
        text += QString::fromUtf8(bytes.data(), static_cast<qsizetype>(run));
        bytes.remove_prefix(run);
        if (!bytes.empty()) {
            text +=
                QChar(static_cast<char16_t>(kEscapeBase + static_cast<unsigned char>(bytes[0])));
            bytes.remove_prefix(1);
        }
    }
    return text;
}

std::string pathToUtf8(const QString& path) {
    std::string bytes;
    qsizetype runStart = 0;
    const auto flushRun = [&](qsizetype end) {
        bytes += path.mid(runStart, end - runStart).toUtf8().toStdString();
    };
    for (qsizetype i = 0; i < path.size(); ++i) {
        const char16_t unit = path.at(i).unicode();
        const bool paired = i > 0 && path.at(i - 1).isHighSurrogate();
        if (unit >= kFirstEscape && unit <= kLastEscape && !paired) {
            flushRun(i);
            bytes += static_cast<char>(unit - kEscapeBase);
            runStart = i + 1;
        }
    }
    flushRun(path.size());
    return bytes;
}

QString folderFromSettingsBytes(const std::string& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QByteArrayView view(bytes.data(), static_cast<qsizetype>(bytes.size()));
    QString text = utf8(view);
    return utf8.hasError() ? QString::fromLatin1(view) : text;
}

std::string folderPathBytes(const QString& text,
                            [[maybe_unused]] const std::string& settingsBytes) {
#ifndef Q_OS_WIN
    if (!settingsBytes.empty() && text == folderFromSettingsBytes(settingsBytes)) {
        return settingsBytes;
    }
#endif
    return pathToUtf8(text);
}

QString folderOfPath(const QString& path) {
    const std::string bytes = pathToUtf8(path);
    if (fileNameOf(bytes) == bytes) {
        return {};
    }
    return pathFromUtf8(folderOf(bytes));
}

QString joinedPath(const QString& folder, const QString& name) {
    return pathFromUtf8(joinPath(pathToUtf8(folder), pathToUtf8(name)));
}

bool isNameSeparator(QChar c) {
    return c.unicode() < 0x80 && isPathSeparator(static_cast<char>(c.unicode()));
}

QString programFolder() {
#ifdef Q_OS_LINUX
    std::string bytes(PATH_MAX, '\0');
    const ssize_t length = ::readlink("/proc/self/exe", bytes.data(), bytes.size());
    if (length > 0 && static_cast<std::size_t>(length) < bytes.size()) {
        bytes.resize(static_cast<std::size_t>(length));
        return pathFromUtf8(folderOf(bytes));
    }
#endif
    return QCoreApplication::applicationDirPath();
}

QString nativeFolderText(const QString& folder) {
#ifdef Q_OS_WIN
    QString text = QDir::toNativeSeparators(folder);
    if (text.size() >= 2 && text.at(1) == QLatin1Char(':')) {
        text[0] = text.at(0).toLower();
    }
    return text;
#else
    return folder;
#endif
}

} // namespace zentadial
