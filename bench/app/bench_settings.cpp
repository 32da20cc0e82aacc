// Settings reads: every ReadString goes to the file, so a large file costs on every call.
#include "app/Uglobalvar.h"
#include "app/Uthreadini.h"
#include "platform/ProgramLocation.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// A settings file of 200 keys spread over the sections the program reads.
QByteArray largeSettings()
{
    QByteArray text;
    const char* sections[] = {"Product", "Setting", "String", "Message", "FormMain"};
    int key = 0;
    for (const char* section : sections) {
        text += QByteArray("[") + section + "]\r\n";
        for (int i = 0; i < 40; ++i, ++key)
            text += "Key" + QByteArray::number(key) + "=Value number " + QByteArray::number(key) +
                    "\r\n";
    }
    return text;
}

struct Fixture
{
    Fixture()
    {
        QFile file(dir.filePath("Setup.ini"));
        file.open(QIODevice::WriteOnly);
        file.write(largeSettings());
        file.close();
        ProgramLocation::OverrideProgramFile(dir.filePath("Setup").toStdString());
    }
    QTemporaryDir dir;
};

void BM_ReadStringLastKey(benchmark::State& state)
{
    Fixture f;
    CThreadIni ini(f.dir.filePath("Setup.ini"));
    for (auto _ : state)
        benchmark::DoNotOptimize(ini.ReadString("FormMain", "Key199", ""));
}
BENCHMARK(BM_ReadStringLastKey)->Unit(benchmark::kMicrosecond);

void BM_ReadStringMissingKey(benchmark::State& state)
{
    Fixture f;
    CThreadIni ini(f.dir.filePath("Setup.ini"));
    for (auto _ : state)
        benchmark::DoNotOptimize(ini.ReadString("Message", "ER_CONNECT", "default"));
}
BENCHMARK(BM_ReadStringMissingKey)->Unit(benchmark::kMicrosecond);

// All the reads of start-up: the product settings and the fifteen value names.
void BM_LoadSettings(benchmark::State& state)
{
    Fixture f;
    for (auto _ : state) {
        CGlobalVar g;
        benchmark::DoNotOptimize(g.LoadSettings());
    }
}
BENCHMARK(BM_LoadSettings)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
