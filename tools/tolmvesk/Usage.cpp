#include "tolmvesk/Usage.h"

#include "tolmvesk/ExitStatus.h"

namespace tolmvesk
{
void printUsage (std::ostream& stream)
{
    stream
        << "Usage: tolmvesk info FILE [--json]\n"
           "       tolmvesk convert IN OUT [--preset-info KEY=VALUE]...\n"
           "       tolmvesk extract LIBRARY NUMBER OUT.tvprog\n"
           "       tolmvesk insert LIBRARY.tvlib NUMBER PROGRAM.tvprog\n"
           "       tolmvesk params FILE NUMBER\n"
           "       tolmvesk ports [PORTS]\n"
           "       tolmvesk scan [PORTS]\n"
           "       tolmvesk receive OUT.tvlib [--programs LIST] [PORTS]\n"
           "       tolmvesk write IN.tvlib [--programs LIST] [PORTS]\n"
           "       tolmvesk send FILE NUMBER [PORTS]\n"
           "       tolmvesk emulate (--in-stream PATH --out-stream PATH | --in NAME --out NAME) [EMULATOR]\n"
           "       tolmvesk --help\n"
           "       tolmvesk --version\n"
           "\n"
           "Files are told apart by their extension: .tvlib (library), .tvprog (program),\n"
           ".tvpreset and .itvpreset (preset), .XTV200_all (the older editor's library, read only).\n"
           "NUMBER is a program number from 1 to 300, as the synthesizer shows it.\n"
           "\n"
           "convert turns a library into a preset (programmer and comment emptied), a preset\n"
           "into a library, or an older editor's library into a library; OUT's extension\n"
           "chooses what is written. The preset information of a new preset is given with\n"
           "--preset-info, KEY being DataID, Name, Author, Version, Date, Prefix or Copyright.\n"
           "\n"
           "\n"
           "PORTS chooses where the synthesizer is: without it the MIDI ports are scanned for\n"
           "it; --in NAME --out NAME names two ports (see tolmvesk ports); --in-stream PATH\n"
           "--out-stream PATH uses byte streams such as FIFOs, raw MIDI devices or serial\n"
           "adapters, scanned like ports; --virtual-synth uses the built-in emulated\n"
           "synthesizer, which also takes the EMULATOR options. LIST is program numbers and\n"
           "ranges such as 1,5-9; receive --programs updates OUT when it exists.\n"
           "\n"
           "EMULATOR: --channel N (1-16), --write-protect, --paced (DIN wire speed),\n"
           "--load FILE (its programs), and the faults --fail-silent-after N (messages),\n"
           "--fail-broken-dump NUMBER, --fail-other-maker, --fail-clock-in-sysex,\n"
           "--fail-split-sysex BYTES, --fail-nak-write N (the N-th program write).\n"
           "\n"
           "Exit status: 0 on success, 1 for a wrong command line, 2 when a file could not\n"
           "be read or written (with one line \"error: CODE TEXT\" on standard error), 3 when\n"
           "a MIDI communication failed (\"error: CODE TEXT\" and the detail on the next line;\n"
           "code 2 when the communication could not start).\n";
}

int reportWrongCommandLine (std::ostream& err, const juce::String& message)
{
    err << "tolmvesk: " << message << '\n';
    printUsage (err);
    return ExitStatus::wrongCommandLine;
}
} // namespace tolmvesk
