// The zorn2-text commands. Each gets the arguments after its name and returns the exit
// code; exitUsage means the arguments were wrong.
#pragma once

int RunRecode(int argc, char** argv);
int RunFido(int argc, char** argv);
int RunTranslit(int argc, char** argv);
int RunGuess(int argc, char** argv);
int RunAlign(int argc, char** argv);
int RunUnescape(int argc, char** argv);
int RunFixBreaks(int argc, char** argv);
