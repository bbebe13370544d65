// SPDX-License-Identifier: MIT
#include "cli/cli.h"

#include <cerrno>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <unistd.h>
#include <utility>
#include <vector>

#include "cli/options.h"
#include "cli/streams.h"
#include "core/facts.h"
#include "core/json_writer.h"
#include "core/translation.h"
#include "core/version.h"
#include "schemes/catalogue.h"
#include "schemes/further/conversions.h"
#include "schemes/products/ean_upc.h"

namespace numerant::cli {
namespace {

void Report(std::FILE* err, const std::string& message) {
  std::fprintf(err, "numerant-cli: %s\n", message.c_str());
}

int UsageError(std::FILE* err, const std::string& message) {
  std::fprintf(err, "numerant-cli: %s\nTry 'numerant-cli --help' for more information.\n",
               message.c_str());
  return kFailure;
}

std::string SchemeChoices() {
  std::string choices;
  for (const auto& list : {SchemeList(), BuildingBlocks(), FurtherFormats()}) {
    for (const CatalogueEntry& entry : list) {
      if (!choices.empty()) choices += ", ";
      choices += entry.name;
    }
  }
  return choices;
}

// Whether a format's numbers carry no check character at all.
bool WithoutCheckDigit(const Scheme& scheme) {
  return scheme.Shape().check_length == 0;
}

// `list`: the 52 names; with --json one object a scheme, the building blocks
// after them, with the declared type of every field. With --all the further
// formats follow, area by area, with their display name, description and
// area; in plain text a format without a check character is marked so.
void WriteList(Output& out, bool json, bool all) {
  if (!json) {
    for (const CatalogueEntry& entry : SchemeList()) {
      out.buffer() += entry.name;
      out.EndLine();
    }
    if (!all) return;
    for (const auto& list : {BuildingBlocks(), FurtherFormats()}) {
      for (const CatalogueEntry& entry : list) {
        out.buffer() += entry.name;
        if (WithoutCheckDigit(*entry.create())) out.buffer() += " (no check digit)";
        out.EndLine();
      }
    }
    return;
  }
  auto describe = [&out, all](const CatalogueEntry& entry, const std::string& position) {
    std::string& line = out.buffer();
    line += "{\"name\": ";
    AppendJsonString(line, entry.name);
    line += ", \"position\": ";
    line += position;
    if (!entry.area.empty()) {
      line += ", \"display_name\": ";
      AppendJsonString(line, entry.display_name);
      line += ", \"description\": ";
      AppendJsonString(line, entry.description);
      line += ", \"area\": ";
      AppendJsonString(line, entry.area);
    }
    const std::unique_ptr<Scheme> scheme = entry.create();
    AppendJsonShape(line, scheme->Shape());
    if (all) {
      // What a number may hold besides its characters, for a caller that
      // writes numbers of every format.
      line += ", \"separators\": ";
      AppendJsonString(line, scheme->Shape().separators);
      line += scheme->Shape().upper_case ? ", \"upper_case\": true" : ", \"upper_case\": false";
    }
    line += ", \"fields\": ";
    AppendJsonFieldTypes(line, *scheme);
    line += "}";
    out.EndLine();
  };
  int position = 0;
  for (const CatalogueEntry& entry : SchemeList())
    describe(entry, std::to_string(position++));
  for (const CatalogueEntry& entry : BuildingBlocks())
    describe(entry, "null");
  if (!all) return;
  for (const CatalogueEntry& entry : FurtherFormats())
    describe(entry, "null");
}

// A free function that gives the other form of a number, "" for none.
using Conversion = std::string (*)(std::string_view);

// Answers numbers one at a time and counts the answers.
class Session {
 public:
  Session(const Options& options, std::unique_ptr<Scheme> scheme, UPC* converter,
          Conversion conversion, Output& out)
      : command_(options.command),
        json_(options.json),
        explain_(options.explain),
        with_input_(options.with_input && !options.json),
        plain_check_(options.command == Command::kCheck && !options.json && !options.explain &&
                     !with_input_),
        scheme_(std::move(scheme)),
        converter_(converter),
        conversion_(conversion),
        out_(out) {
    if (command_ == Command::kIdentify) {
      for (const auto& list : {SchemeList(), BuildingBlocks()}) {
        for (const CatalogueEntry& entry : list) {
          all_schemes_.push_back(entry.create());
        }
      }
      if (options.all) {
        // Formats without a check character accept so much that they come
        // last, each marked.
        std::vector<std::unique_ptr<Scheme>> without;
        for (const CatalogueEntry& entry : FurtherFormats()) {
          auto format = entry.create();
          (WithoutCheckDigit(*format) ? without : all_schemes_).push_back(std::move(format));
        }
        for (auto& format : without)
          all_schemes_.push_back(std::move(format));
      }
    } else if (command_ == Command::kCalc) {
      // `Calculate` on an empty text gives the unset check digit.
      unset_check_digit_ = scheme_->CalculateText("");
    }
  }

  // Answers one line of UTF-8; `known_ascii` when its reader already knows
  // it holds no byte above 0x7F, which is then read as it is.
  void Answer(std::string_view utf8_input, bool known_ascii = false) {
    const std::string_view number = known_ascii ? utf8_input : Latin1FromUtf8(utf8_input, latin1_);
    if (plain_check_) {
      // The verdict alone, by the fieldless route, in one write.
      const bool valid = scheme_->IsValid(number);
      out_.WriteVerdict(valid);
      ++read_;
      negative_ += static_cast<std::size_t>(!valid);
      return;
    }
    AnswerInFull(utf8_input, number);
  }

  std::size_t read() const { return read_; }
  std::size_t negative() const { return negative_; }

  // The counts of --summary.
  std::string Summary() const {
    const std::size_t positive = read_ - negative_;
    std::string text = std::to_string(read_) + " read, ";
    switch (command_) {
      case Command::kCheck:
        return text + std::to_string(positive) + " valid, " + std::to_string(negative_) +
               " invalid";
      case Command::kCalc:
        return text + std::to_string(positive) + " calculated, " + std::to_string(negative_) +
               " with no check digit";
      case Command::kComplete:
        return text + std::to_string(positive) + " completed, " + std::to_string(negative_) +
               " with no check digit";
      case Command::kConvert:
        return text + std::to_string(positive) + " converted, " + std::to_string(negative_) +
               " with no other form";
      case Command::kFormat:
        return text + std::to_string(positive) + " formatted";
      case Command::kCompact:
        return text + std::to_string(positive) + " compacted";
      case Command::kIdentify:
      case Command::kList:
        break;
    }
    return text + std::to_string(positive) + " identified, " + std::to_string(negative_) +
           " accepted by no scheme";
  }

 private:
  // Every answer but the plain verdict: a line of text or JSON. Kept out of
  // line, so that a batch of plain checks calls nothing it does not need.
  [[gnu::noinline]] void AnswerInFull(std::string_view utf8_input, std::string_view number) {
    utf8_input_ = utf8_input;
    std::string& out = out_.buffer();
    if (with_input_) {
      out += utf8_input;
      out.push_back('\t');
    } else if (json_) {
      out += "{\"input\": ";
      AppendJsonString(out, utf8_input);
    }
    bool positive = true;
    switch (command_) {
      case Command::kCheck:
        positive = AnswerCheck(number, out);
        break;
      case Command::kCalc:
        positive = AnswerCalculate(number, out);
        break;
      case Command::kComplete:
        positive = AnswerComplete(number, out);
        break;
      case Command::kConvert:
        positive = AnswerConvert(number, out);
        break;
      case Command::kIdentify:
        positive = AnswerIdentify(number, out);
        break;
      case Command::kFormat:
      case Command::kCompact:
        AnswerWritten(out);
        break;
      case Command::kList:
        break;
    }
    if (json_) out.push_back('}');
    out_.EndLine();
    ++read_;
    if (!positive) ++negative_;
  }

  // `format` and `compact`, which read look-alikes of ASCII characters as
  // those characters and answer every number.
  void AnswerWritten(std::string& out) {
    const bool format = command_ == Command::kFormat;
    const std::string written =
        format ? scheme_->FormatUtf8(utf8_input_) : scheme_->CompactUtf8(utf8_input_);
    if (!json_) {
      out += written;
      return;
    }
    out += format ? ", \"formatted\": " : ", \"compact\": ";
    AppendJsonString(out, written);
    if (!format) return;
    // The named parts of the written form (ISBN's group, registrant ...),
    // or null.
    const std::vector<WrittenPart> parts =
        scheme_->FormatParts(Latin1FromUtf8Lookalikes(utf8_input_));
    out += ", \"parts\": ";
    if (parts.empty()) {
      out += "null";
      return;
    }
    out.push_back('{');
    for (const WrittenPart& part : parts) {
      if (&part != &parts.front()) out += ", ";
      AppendJsonString(out, part.name);
      out += ": ";
      AppendJsonText(out, part.text);
    }
    out.push_back('}');
  }

  // The --json member after the fields: the number as people write it.
  void AppendFormatted(std::string& out, Scheme& scheme, std::string_view number) {
    out += ", \"formatted\": ";
    AppendJsonString(out, scheme.FormatUtf8(number));
  }

  bool AnswerCheck(std::string_view number, std::string& out) {
    if (!json_ && !explain_) {
      const bool valid = scheme_->IsValid(number);
      out += valid ? std::string_view("valid") : std::string_view("invalid");
      return valid;
    }
    // Explain leaves the object as Check does and tells why.
    const FindingRecord finding = RecordFinding(scheme_->Explain(number));
    if (!json_) {
      // "valid", or "valid (no check digit)" for a format without one, then
      // what a valid number tells: "valid: born 15 March 1985, female".
      out += finding.valid() ? finding.description : "invalid: " + finding.description;
      if (finding.valid()) AppendFactWords(out);
      return finding.valid();
    }
    out += finding.valid() ? ", \"valid\": true" : ", \"valid\": false";
    out += ", \"reason\": ";
    AppendJsonFinding(out, finding);
    out += ", \"fields\": ";
    AppendJsonFields(out, *scheme_);
    AppendFormatted(out, *scheme_, utf8_input_);
    return finding.valid();
  }

  void AppendFactWords(std::string& out) const {
    Facts facts = scheme_->Tell();
    // The number's characters are ISO-8859-1; the country names UTF-8.
    for (Fact& fact : facts) {
      std::string text;
      AppendUtf8FromLatin1(text, fact.text);
      fact.text = std::move(text);
    }
    const std::string words = FactsInEnglish(facts);
    if (words.empty()) return;
    out += ": ";
    out += words;
  }

  bool AnswerComplete(std::string_view number, std::string& out) {
    const std::string complete = scheme_->Complete(number);
    if (!json_) {
      AppendUtf8FromLatin1(out, complete);
    } else {
      out += ", \"complete\": ";
      if (complete.empty()) {
        out += "null";
      } else {
        AppendJsonText(out, complete);
      }
      out += ", \"fields\": ";
      AppendJsonFields(out, *scheme_);
      // The completed number's written form, or the input's without one.
      AppendFormatted(out, *scheme_,
                      complete.empty() ? std::string(utf8_input_) : Utf8FromLatin1(complete));
    }
    return !complete.empty();
  }

  bool AnswerCalculate(std::string_view number, std::string& out) {
    const std::string result = scheme_->CalculateText(number);
    const bool calculated = result != unset_check_digit_;
    WriteResult(result, out, calculated ? number : std::string_view());
    return calculated;
  }

  bool AnswerConvert(std::string_view number, std::string& out) {
    if (converter_ == nullptr) {
      const std::string result = conversion_(number);
      // The fields tell what the number holds: a whole number's, or those
      // read while calculating the check characters of one typed without.
      if (json_ && !result.empty() && !scheme_->Check(number)) scheme_->CalculateText(number);
      WriteResult(result, out);
      return !result.empty();
    }
    const std::string result = converter_->Convert(number);
    if (json_ && !result.empty()) {
      // Converting resets the fields; decode the number again so that they
      // tell what it holds. The other form carries a check digit exactly
      // when the number had one.
      const bool complete = result.size() == 8 || result.size() == 12;
      if (complete) {
        scheme_->Check(number);
      } else {
        scheme_->CalculateText(number);
      }
    }
    WriteResult(result, out);
    return !result.empty();
  }

  bool AnswerIdentify(std::string_view number, std::string& out) {
    bool any = false;
    if (json_) out += ", \"schemes\": [";
    for (const std::unique_ptr<Scheme>& scheme : all_schemes_) {
      if (!scheme->Check(number)) continue;
      const bool without_check_digit = WithoutCheckDigit(*scheme);
      if (json_) {
        out += any ? ", {\"name\": " : "{\"name\": ";
        AppendJsonString(out, scheme->Name());
        if (without_check_digit) out += ", \"check_digit\": false";
        out += ", \"fields\": ";
        AppendJsonFields(out, *scheme);
        AppendFormatted(out, *scheme, utf8_input_);
        out.push_back('}');
      } else {
        if (any) out.push_back(' ');
        out += scheme->Name();
        if (without_check_digit) out += " (no check digit)";
      }
      any = true;
    }
    if (json_) out.push_back(']');
    return any;
  }

  // With --json, the fields and then the written form of the input, or of
  // the complete number of `payload` where it is given and has one: the
  // number with the check characters just calculated.
  void WriteResult(const std::string& result, std::string& out,
                   std::string_view payload = std::string_view()) {
    if (!json_) {
      AppendUtf8FromLatin1(out, result);
      return;
    }
    out += ", \"result\": ";
    AppendJsonText(out, result);
    out += ", \"fields\": ";
    AppendJsonFields(out, *scheme_);
    // Completing changes the fields, which are written by now.
    const std::string complete =
        payload.empty() ? std::string() : Utf8FromLatin1(scheme_->Complete(payload));
    AppendFormatted(out, *scheme_, complete.empty() ? utf8_input_ : std::string_view(complete));
  }

  Command command_;
  bool json_;
  bool explain_;
  bool with_input_;
  // check without --json, --explain or --with-input: the verdict alone.
  bool plain_check_;
  std::unique_ptr<Scheme> scheme_;
  UPC* converter_;
  Conversion conversion_;
  std::vector<std::unique_ptr<Scheme>> all_schemes_;
  std::string unset_check_digit_;
  Output& out_;
  std::string latin1_;
  std::string_view utf8_input_;
  std::size_t read_ = 0;
  std::size_t negative_ = 0;
};

// The formats with two forms besides UPC, whose other form a free function
// gives.
constexpr std::pair<std::string_view, Conversion> kConversions[] = {
    {"ISBN", ConvertIsbn},
    {"ISSN", ConvertIssn},
    {"ismn", ConvertIsmn},
};

// The scheme a command works on, or the message of a usage error.
std::string ChooseScheme(const Options& options, std::unique_ptr<Scheme>& scheme, UPC*& converter,
                         Conversion& conversion) {
  if (options.command == Command::kIdentify) return {};
  const std::string name(options.scheme);
  if (options.command == Command::kConvert) {
    constexpr std::string_view kConvertible = "UPC, ISBN, ISSN or ismn";
    if (name.empty()) return "missing SCHEME; 'convert' works on " + std::string(kConvertible);
    const CatalogueEntry* entry = FindScheme(name);
    for (const auto& [other, convert] : kConversions) {
      if (entry != nullptr && entry == FindScheme(other)) {
        scheme = entry->create();
        conversion = convert;
        return {};
      }
    }
    if (entry != FindScheme("UPC"))
      return "'convert' works on " + std::string(kConvertible) + ", not '" + name + "'";
    // `Convert` lies outside the common face, so the session keeps the UPC
    // itself beside the scheme that reports its fields.
    auto upc = std::make_unique<SchemeAdapter<UPC>>();
    converter = &upc->scheme();
    scheme = std::move(upc);
    return {};
  }
  if (name.empty()) return "missing SCHEME; choose one of: " + SchemeChoices();
  const CatalogueEntry* entry = FindScheme(name);
  if (entry == nullptr) return "unknown scheme '" + name + "'; choose one of: " + SchemeChoices();
  scheme = entry->create();
  return {};
}

// Answers every line of one stream; false on a read error, which is
// reported after the answers to the lines read before it.
bool AnswerLines(std::FILE* stream, std::string_view name, Session& session, Output& out,
                 std::FILE* err) {
  LineReader reader(stream);
  while (const std::optional<std::string_view> line = reader.Next()) {
    session.Answer(*line, reader.LineKnownAscii());
    if (out.error() != 0) return true;
  }
  if (reader.error() == 0) return true;
  out.Flush();
  Report(err, "cannot read " + std::string(name) + ": " + std::strerror(reader.error()));
  return false;
}

}  // namespace

int Run(std::span<const std::string_view> arguments, std::FILE* in, std::FILE* out,
        std::FILE* err) {
  const auto parsed = ParseCommandLine(arguments);
  if (const auto* message = std::get_if<std::string>(&parsed)) return UsageError(err, *message);
  const Options& options = std::get<Options>(parsed);

  // Someone reading at a terminal sees each answer as its line is typed.
  const int out_descriptor = fileno(out);
  Output output(out, options.line_buffered || (out_descriptor >= 0 && isatty(out_descriptor)));
  bool failed = false;
  auto finish = [&](int status) {
    if (output.Flush()) return failed ? int{kFailure} : status;
    // A reader that went away (a closed pipe) ends the output quietly.
    if (output.error() != EPIPE)
      Report(err, std::string("cannot write the answers: ") + std::strerror(output.error()));
    return int{kFailure};
  };

  if (options.help) {
    output.buffer() += UsageText();
    return finish(kSuccess);
  }
  if (options.version) {
    output.buffer() += std::string("numerant-cli ") + kVersion + "\n";
    return finish(kSuccess);
  }
  if (options.command == Command::kList) {
    WriteList(output, options.json, options.all);
    return finish(kSuccess);
  }

  std::unique_ptr<Scheme> scheme;
  UPC* converter = nullptr;
  Conversion conversion = nullptr;
  if (const std::string message = ChooseScheme(options, scheme, converter, conversion);
      !message.empty())
    return UsageError(err, message);

  Session session(options, std::move(scheme), converter, conversion, output);
  if (options.sources.empty()) {
    failed = !AnswerLines(in, "standard input", session, output, err);
  }
  for (const Source& source : options.sources) {
    if (output.error() != 0) break;
    switch (source.kind) {
      case Source::Kind::kNumber:
        session.Answer(source.text);
        break;
      case Source::Kind::kStandardInput:
        failed |= !AnswerLines(in, "standard input", session, output, err);
        break;
      case Source::Kind::kFile: {
        const std::string name = "'" + std::string(source.text) + "'";
        std::FILE* file = std::fopen(std::string(source.text).c_str(), "rb");
        if (file == nullptr) {
          const int error = errno;
          output.Flush();
          Report(err, "cannot open " + name + ": " + std::strerror(error));
          failed = true;
          break;
        }
        failed |= !AnswerLines(file, name, session, output, err);
        std::fclose(file);
        break;
      }
    }
  }

  const int status = finish(
      session.negative() != 0 && options.command != Command::kConvert ? kNegativeAnswer : kSuccess);
  if (options.summary) {
    Report(err, session.Summary());
  } else if ((options.command == Command::kCalc || options.command == Command::kComplete) &&
             session.negative() != 0) {
    Report(err, std::to_string(session.negative()) + " of " + std::to_string(session.read()) +
                    " numbers got no check digit");
  }
  return status;
}

}  // namespace numerant::cli
