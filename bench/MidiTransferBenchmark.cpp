#include "data/LibraryData.h"
#include "midi/emulator/SynthesizerEmulator.h"
#include "midi/MidiDeviceManager.h"
#include "midi/ReceiveLibraryProcess.h"
#include "midi/service/VirtualMidiService.h"
#include "midi/WriteLibraryProcess.h"

#include <benchmark/benchmark.h>

#include <sys/resource.h>

namespace
{
constexpr int familyId = 0x0118;
constexpr double wireSecondsPerByte = 10.0 / 31250.0;

double processCpuSeconds()
{
    rusage usage{};
    getrusage (RUSAGE_SELF, &usage);
    const auto seconds = [] (const timeval& t)
    { return static_cast<double> (t.tv_sec) + static_cast<double> (t.tv_usec) * 1e-6; };
    return seconds (usage.ru_utime) + seconds (usage.ru_stime);
}

/** Virtual ports with the emulated synthesizer behind them, opened by the
    device manager as a communication would. */
class EmulatedSynthesizerRig
{
public:
    explicit EmulatedSynthesizerRig (bool paced)
    {
        juce::MessageManager::getInstance();
        auto service = std::make_shared<midi::VirtualMidiService>();
        synthesizerSide = service->addPortPair ("TolmVESK In", "TolmVESK Out");

        xTV200_midi::SynthesizerEmulatorOptions options;
        options.pacedAtWireRate = paced;
        emulator = std::make_unique<xTV200_midi::SynthesizerEmulator> (*synthesizerSide, 0, 0, options);
        juce::String error;
        emulator->start (error);

        devices = midi::MidiDeviceManager::getInstance();
        devices->setService (service);
        devices->setTargetFamilyId (familyId);
        devices->applyMidiPortSettings ({false, "TolmVESK In", "TolmVESK Out"});
        devices->openPorts();
    }

    ~EmulatedSynthesizerRig()
    {
        devices->closePorts();
        emulator->stop();
        juce::DeletedAtShutdown::deleteAll();
        juce::MessageManager::deleteInstance();
    }

    /** Runs one process as the communication thread would; returns its code. */
    template <typename Process, typename Library>
    int run (Library& library)
    {
        Process process (devices->getPort(), familyId, {}, library);
        return process.run();
    }

    /** Bytes on the wire in both directions since construction. */
    juce::int64 getWireBytes() const { return emulator->getNumBytesReceived() + emulator->getNumBytesSent(); }

private:
    std::shared_ptr<midi::MidiService> synthesizerSide;
    std::unique_ptr<xTV200_midi::SynthesizerEmulator> emulator;
    midi::MidiDeviceManager* devices = nullptr;
};

template <typename Process>
void transferLibrary (benchmark::State& state, bool paced)
{
    EmulatedSynthesizerRig rig (paced);
    xTV200_data::LibraryData library;
    double wallSeconds = 0.0, cpuSeconds = 0.0;
    const auto bytesBefore = rig.getWireBytes();

    for (auto _ : state)
    {
        const auto cpuStart = processCpuSeconds();
        const auto wallStart = juce::Time::getMillisecondCounterHiRes();

        if (rig.run<Process> (library) != 0)
            state.SkipWithError ("the transfer failed");

        wallSeconds += (juce::Time::getMillisecondCounterHiRes() - wallStart) * 1e-3;
        cpuSeconds += processCpuSeconds() - cpuStart;
    }

    const auto iterations = static_cast<double> (state.iterations());
    const auto wireFloorSeconds =
        static_cast<double> (rig.getWireBytes() - bytesBefore) * wireSecondsPerByte / iterations;
    state.counters["cpu_share_of_wall"] = cpuSeconds / wallSeconds;
    state.counters["wire_floor_s"] = wireFloorSeconds;
    state.counters["wall_to_wire_floor"] = wallSeconds / iterations / wireFloorSeconds;
}

void receiveLibraryUnpaced (benchmark::State& state)
{
    transferLibrary<xTV200_midi::ReceiveLibraryProcess> (state, false);
}
void writeLibraryUnpaced (benchmark::State& state)
{
    transferLibrary<xTV200_midi::WriteLibraryProcess> (state, false);
}
void receiveLibraryPaced (benchmark::State& state)
{
    transferLibrary<xTV200_midi::ReceiveLibraryProcess> (state, true);
}
void writeLibraryPaced (benchmark::State& state)
{
    transferLibrary<xTV200_midi::WriteLibraryProcess> (state, true);
}
} // namespace

BENCHMARK (receiveLibraryUnpaced)->Unit (benchmark::kMillisecond)->UseRealTime()->MeasureProcessCPUTime();
BENCHMARK (writeLibraryUnpaced)->Unit (benchmark::kMillisecond)->UseRealTime()->MeasureProcessCPUTime();

// A paced transfer takes as long as the DIN wire: about 37 s for a library.
BENCHMARK (receiveLibraryPaced)
    ->Unit (benchmark::kMillisecond)
    ->UseRealTime()
    ->MeasureProcessCPUTime()
    ->Iterations (1);
BENCHMARK (writeLibraryPaced)
    ->Unit (benchmark::kMillisecond)
    ->UseRealTime()
    ->MeasureProcessCPUTime()
    ->Iterations (1);
