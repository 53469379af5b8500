#include "LumenoteRun.h"

#include <filesystem>

namespace lumenote::test {

LumenoteRun::LumenoteRun() : ProgramRun("lumenote-test") {
    std::filesystem::create_directory(Path("empty-bin"));
}

RunResult LumenoteRun::Run(const std::vector<std::string>& args, bool viewer) const {
    // Without the viewer PATH names only an empty folder: the system's own xdg-open
    // must not be found either.
    return RunIn(LUMENOTE_PROGRAM, args,
                 {"PATH=" + (viewer ? Path("bin") + ":/usr/bin:/bin" : Path("empty-bin"))});
}

std::string expectedPage(const std::string& title, const std::string& body) {
    return "<HTML>\r\n"
           "<HEAD>\r\n"
           "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=iso-8859-1\">\r\n"
           "<META NAME=\"Author\" CONTENT=\"Lumenote\">\r\n"
           "<META NAME=\"GENERATOR\" CONTENT=\"Lumenote 0.90 Beta\">\r\n"
           "<TITLE>" +
           title +
           "</TITLE>\r\n"
           "</HEAD>\r\n"
           "<BODY TEXT=\"#000000\" BGCOLOR=\"#FFFFFF\" LINK=\"#FF0000\" VLINK=\"#800080\" "
           "ALINK=\"#0000FF\">\r\n"
           "<TT><NOBR>" +
           body + "</NOBR></TT>\r\n</BODY>\r\n</HTML>\r\n";
}

} // namespace lumenote::test
