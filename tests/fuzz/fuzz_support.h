// SPDX-License-Identifier: MIT
#pragma once

// Shared by the fuzz targets and their replay over the corpus.

#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <QtGlobal>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace varnholt::fuzz {

// A broken property is a crash, so that the fuzzer keeps the input that broke it.
inline void require(bool holds, const char* property)
{
    if (holds)
        return;
    std::fprintf(stderr, "property broken: %s\n", property);
    std::abort();
}

// Writes the input to a file of that name in a folder of this process.
inline QString scratchFile(const QString& name, const std::uint8_t* data, std::size_t size)
{
    static const QTemporaryDir folder;
    const QString path = folder.filePath(name);
    QFile file(path);
    require(file.open(QIODevice::WriteOnly | QIODevice::Truncate), "the scratch file can be written");
    require(file.write(reinterpret_cast<const char*>(data), qint64(size)) == qint64(size),
            "the input is written whole");
    return path;
}

// Qt's warnings about damaged input would drown the fuzzer's own output.
inline void silenceQtMessages()
{
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
}

} // namespace varnholt::fuzz

// The start of a target that reads damaged input through Qt, whose warnings would drown the fuzzer's output.
#define VARNHOLT_FUZZ_WITHOUT_QT_MESSAGES                                                                              \
    extern "C" int LLVMFuzzerInitialize(int*, char***)                                                                 \
    {                                                                                                                  \
        varnholt::fuzz::silenceQtMessages();                                                                           \
        return 0;                                                                                                      \
    }
