#pragma once
// Each command parses its arguments, prints one JSON object on stdout and returns the
// exit code; bad input throws UsageError.
namespace vantorel::cli {

int ModelCommand(int argc, char** argv);
int MovesCommand(int argc, char** argv);
int CapturesCommand(int argc, char** argv);
int CheckCommand(int argc, char** argv);
int PlayCommand(int argc, char** argv);
int PerftCommand(int argc, char** argv);
int SelfplayCommand(int argc, char** argv);
int EvalCommand(int argc, char** argv);
int SearchCommand(int argc, char** argv);
int SuggestCommand(int argc, char** argv);
int ComputerCommand(int argc, char** argv);
int BenchCommand(int argc, char** argv);
int MatchCommand(int argc, char** argv);
int GameCommand(int argc, char** argv);
int VtlCommand(int argc, char** argv);
int StateCommand(int argc, char** argv);
int LibraryCommand(int argc, char** argv);
int MillsCommand(int argc, char** argv);
int PrintCommand(int argc, char** argv);
int NetPeerCommand(int argc, char** argv);

} // namespace vantorel::cli
