#include "tools/association_verbs.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

// Which stored values the associations dialog takes for the program's own. An unquoted command line
// names the program only where its path has no blank; with one ("Program Files") the shell may start
// another program first, so that value must not count, or it could never be written again quoted.
TEST(AssociationVerbs, UnquotedCommandIsOwnOnlyForAPathWithoutBlanks) {
  const struct { const char* path; AssociationVerb verb; std::string value; bool own; } cases[] = {
      {R"(C:\Zorn2\zorn2.exe)", AssociationVerb::Open, R"("C:\Zorn2\zorn2.exe" %1)", true},
      {R"(C:\Zorn2\zorn2.exe)", AssociationVerb::Open, R"(C:\Zorn2\zorn2.exe %1)", true},
      {R"(C:\Program Files\Zorn2\zorn2.exe)", AssociationVerb::Open, R"("C:\Program Files\Zorn2\zorn2.exe" %1)", true},
      {R"(C:\Program Files\Zorn2\zorn2.exe)", AssociationVerb::Open, R"(C:\Program Files\Zorn2\zorn2.exe %1)", false},
      {R"(C:\Program Files\Zorn2\zorn2.exe)", AssociationVerb::Print, R"(C:\Program Files\Zorn2\zorn2.exe /p %1)", false},
      {R"(C:\Program Files\Zorn2\zorn2.exe)", AssociationVerb::Icon, R"(C:\Program Files\Zorn2\zorn2.exe,1)", true},
      {R"(C:\Program Files\Zorn2\zorn2.exe)", AssociationVerb::Icon, R"("C:\Program Files\Zorn2\zorn2.exe",1)", true},
      {R"(C:\Program Files\Zorn2\zorn2.exe)", AssociationVerb::Open, "", false},
  };
  for (const auto& c : cases) {
    std::vector<std::string> own = OwnAssociationValues(c.path, c.verb);
    EXPECT_EQ(std::find(own.begin(), own.end(), c.value) != own.end(), c.own) << c.value;
    EXPECT_EQ(own.front(), AssociationValue(c.path, c.verb)) << "what is written is always the program's own";
  }
}
