// Every route pivots on DOS-866, so recoding into the code page a text is
// already in still passes through DOS-866 and loses what that lacks.
#include "codepages/recoding_routes.h"

RecodingRoute MenuRecodingRoute(RecodingCommand command, CodePage source) {
  if (command < RecodeToAnsi || command > RecodeToFido || source >= codePageCount) return {};
  if (command == RecodeToFido) return {toOemTable[source], FidoTarget, Oem};
  const auto target = static_cast<CodePage>(command - RecodeToAnsi);
  return {toOemTable[source], fromOemTable[target], target};
}

RecodingRoute ChosenRecodingRoute(CodePage source, CodePage target) {
  if (source >= codePageCount || target >= codePageCount) return {};
  return {toOemTable[source], fromOemTable[target], -1};
}
