// SPDX-License-Identifier: MIT
// Speed of the core paths on realistic and on the largest inputs: composing,
// encoding, writing the ReadMe, saving and loading a template.
#include "core/ReadmeSettings.h"
#include "io/Cp932Codec.h"
#include "io/SafeFile.h"
#include "readme/ReadmeComposer.h"
#include "readme/ReadmeWriter.h"
#include "templates/TemplateStore.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace Qt::StringLiterals;

namespace {

ReadmeSettings answersWith(int headings)
{
    ReadmeSettings s = ReadmeSettings::atStartup();
    s.txtTitle = u"サンプルツール"_s;
    s.txtName = u"作者"_s;
    s.txtVer = u"1.00"_s;
    s.List2Right.clear();
    for (int i = 0; i < headings; ++i)
        s.List2Right.append(u"第%1章 ソフトウェアの使い方と注意点"_s.arg(i));
    s.list2Left = s.List2Right;
    return s;
}

void benchCompose(benchmark::State &state)
{
    const ReadmeSettings s = answersWith(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadmeComposer::compose(s));
}
BENCHMARK(benchCompose)->Arg(8)->Arg(32767)->Unit(benchmark::kMicrosecond);

void benchEncodeReadme(benchmark::State &state)
{
    const QString text = ReadmeComposer::compose(answersWith(32767));
    state.counters["bytes"] = double(Cp932Codec::encode(text).bytes.size());
    for (auto _ : state)
        benchmark::DoNotOptimize(Cp932Codec::encode(text));
}
BENCHMARK(benchEncodeReadme)->Unit(benchmark::kMillisecond);

void benchWriteReadme(benchmark::State &state)
{
    QTemporaryDir dir;
    ReadmeSettings s = answersWith(32767);
    s.txtPath = dir.path();
    for (auto _ : state) {
        if (!SafeFile::write(ReadmeWriter::prepare(s)).written())
            state.SkipWithError("not written");
    }
}
BENCHMARK(benchWriteReadme)->Unit(benchmark::kMillisecond);

void benchSaveTemplate(benchmark::State &state)
{
    QTemporaryDir dir;
    const TemplateStore store(dir.path());
    const ReadmeSettings s = answersWith(32767);
    for (auto _ : state) {
        if (!store.save(store.prepare(s)).written())
            state.SkipWithError("not saved");
    }
}
BENCHMARK(benchSaveTemplate)->Unit(benchmark::kMillisecond);

void benchLoadTemplate(benchmark::State &state)
{
    QTemporaryDir dir;
    const TemplateStore store(dir.path());
    ReadmeSettings s = answersWith(32767);
    s.txtTitle = u"big"_s;
    if (!store.save(store.prepare(s)).written())
        state.SkipWithError("not saved");
    for (auto _ : state)
        benchmark::DoNotOptimize(store.load(s.txtTitle));
}
BENCHMARK(benchLoadTemplate)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
