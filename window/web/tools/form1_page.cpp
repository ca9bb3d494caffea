// Writes the page's HTML and Form1's CSS at build time, so that the page as
// served shows the form from the same table as the desktop's windows:
//   form1_page TEMPLATE.html PAGE.html FORM1.css
// The template's line "<!-- Form1 -->" becomes the form's markup.

#include "window/web/tools/form1_markup.h"
#include "window/web/tools/form1_style.h"

#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

namespace {

constexpr std::string_view placeholder = "<!-- Form1 -->";

// The markup's lines at the placeholder's indentation.
std::string indented(const std::string &markup, const std::string &indent) {
  std::string text;
  for (std::size_t start = 0; start < markup.size();) {
    const std::size_t end = markup.find('\n', start);
    text += (start == 0 ? "" : "\n" + indent) + markup.substr(start, end - start);
    start = end == std::string::npos ? markup.size() : end + 1;
  }
  return text;
}

bool write(const char *path, const std::string &text) {
  std::ofstream file(path, std::ios::binary);
  file << text;
  return static_cast<bool>(file);
}

} // namespace

int main(int argc, char **argv) {
  if (argc != 4) {
    std::cerr << "usage: form1_page TEMPLATE.html PAGE.html FORM1.css\n";
    return 2;
  }
  std::ifstream template_file(argv[1], std::ios::binary);
  std::ostringstream page;
  page << template_file.rdbuf();
  std::string html = page.str();
  const auto at = html.find(placeholder);
  if (!template_file || at == std::string::npos) {
    std::cerr << "form1_page: no " << placeholder << " in " << argv[1] << '\n';
    return 1;
  }
  const std::size_t line = html.rfind('\n', at) + 1;
  html.replace(at, placeholder.size(),
               indented(page::form1_markup(), html.substr(line, at - line)));
  if (!write(argv[2], html) || !write(argv[3], page::form1_style())) {
    std::cerr << "form1_page: cannot write the page\n";
    return 1;
  }
  return 0;
}
