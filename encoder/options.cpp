#include "options.h"

#include "failure.h"

#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdlib>

namespace {

// Fade-out frames are held back until the end: a bound keeps that memory small. A fade-in
// has the same bound, as the program offers both alike.
constexpr double MaxFade = 60.0;

Failure usage(const std::string &what)
{
    return Failure(what
                           + " (usage: [-ss S -t T] [-y] -i INPUT [-vol N] [-fadein F] [-fadeout F]"
                             " [-vn]"
                             " [-ab RATE] [-ac N] [-ar N] OUTPUT.wav|.m4a|.m4r)",
                   Failure::Usage);
}

size_t skipDigits(const std::string &text, size_t at)
{
    while (at < text.size() && std::isdigit(static_cast<unsigned char>(text[at])))
        ++at;
    return at;
}

// Decimal only, as the program writes times ("12.5", "1e+06"): strtod alone would also take
// hexadecimal, "inf", "nan" and leading spaces.
bool isDecimal(const std::string &text)
{
    size_t at = !text.empty() && (text[0] == '+' || text[0] == '-') ? 1 : 0;
    size_t end = skipDigits(text, at);
    size_t digits = end - at;
    if (end < text.size() && text[end] == '.') {
        const size_t fraction = skipDigits(text, end + 1);
        digits += fraction - end - 1;
        end = fraction;
    }
    if (digits == 0)
        return false;
    if (end < text.size() && (text[end] == 'e' || text[end] == 'E')) {
        at = end + 1;
        if (at < text.size() && (text[at] == '+' || text[at] == '-'))
            ++at;
        end = skipDigits(text, at);
        if (end == at)
            return false;
    }
    return end == text.size();
}

double parseSeconds(const std::string &option, const std::string &text, double max = 1e7)
{
    char *end = nullptr;
    errno = 0;
    const double value = isDecimal(text) ? std::strtod(text.c_str(), &end) : -1.0;
    if (!end || *end != '\0' || errno != 0 || !std::isfinite(value) || value < 0.0 || value > max)
        throw usage("invalid value '" + text + "' for " + option);
    return value;
}

long parseInteger(const std::string &option, const std::string &text, long min, long max)
{
    char *end = nullptr;
    errno = 0;
    const long value = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || errno != 0 || value < min || value > max)
        throw usage("invalid value '" + text + "' for " + option);
    return value;
}

// "192K", "192k" or "192000".
int parseBitRate(const std::string &text)
{
    std::string digits = text;
    long scale = 1;
    if (!digits.empty() && (digits.back() == 'k' || digits.back() == 'K')) {
        digits.pop_back();
        scale = 1000;
    }
    const long value = parseInteger("-ab", digits, 1, 512000) * scale;
    if (value < 8000 || value > 512000)
        throw usage("invalid value '" + text + "' for -ab");
    return int(value);
}

OutputFormat formatOf(const std::string &path)
{
    const auto dot = path.find_last_of('.');
    const auto slash = path.find_last_of('/');
    std::string extension;
    if (dot != std::string::npos && (slash == std::string::npos || dot > slash))
        extension = path.substr(dot + 1);
    for (char &c : extension)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    if (extension == "wav" || path == "-")
        return OutputFormat::Wav;
    if (extension == "m4a" || extension == "m4r")
        return OutputFormat::Mpeg4Audio;
    throw usage("unsupported output type '" + path + "'");
}

} // namespace

Options parseOptions(const std::vector<std::string> &args)
{
    Options options;
    if (args.empty())
        throw usage("missing arguments");
    const std::string &last = args.back();
    // "-" alone is the standard output, where a WAV goes as it is made.
    if (last.empty() || (last[0] == '-' && last != "-"))
        throw usage("missing output file");
    bool haveInput = false;
    const size_t optionCount = args.size() - 1;
    for (size_t i = 0; i < optionCount; ++i) {
        const std::string &option = args[i];
        if (option == "-y") {
            options.overwrite = true;
            continue;
        }
        if (option == "-vn")
            continue;
        if (option.empty() || option[0] != '-')
            throw usage("unexpected argument '" + option + "'");
        if (i + 1 >= optionCount)
            throw usage("missing value for " + option);
        const std::string &value = args[++i];
        if ((option == "-ss" || option == "-t") && haveInput)
            throw usage(option + " must come before -i");
        if (option == "-ss")
            options.start = parseSeconds(option, value);
        else if (option == "-t")
            options.length = parseSeconds(option, value);
        else if (option == "-i") {
            if (haveInput || value.empty())
                throw usage("exactly one input file is expected");
            options.input = value;
            haveInput = true;
        } else if (option == "-vol") {
            options.volume = int(parseInteger(option, value, 0, 1 << 20));
            options.limit = true;
        } else if (option == "-fadein")
            options.fadeIn = parseSeconds(option, value, MaxFade);
        else if (option == "-fadeout")
            options.fadeOut = parseSeconds(option, value, MaxFade);
        else if (option == "-metadata") {
            // Only the title: what a player or a file manager shows for the ringtone.
            const std::string key = "title=";
            if (value.compare(0, key.size(), key) != 0)
                throw usage("unsupported metadata '" + value + "'");
            options.title = value.substr(key.size());
        } else if (option == "-ab")
            options.bitRate = parseBitRate(value);
        else if (option == "-ac")
            options.channels = int(parseInteger(option, value, 1, 2));
        else if (option == "-ar")
            options.sampleRate = int(parseInteger(option, value, 8000, 96000));
        else
            throw usage("unknown option '" + option + "'");
    }
    if (!haveInput)
        throw usage("missing input file");
    options.output = last;
    options.format = formatOf(last);
    // Every ringtone keeps under the ceiling, whatever its volume.
    options.limit = options.limit || options.format == OutputFormat::Mpeg4Audio;
    return options;
}
