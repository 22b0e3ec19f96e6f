// Runs the built instfinder against the sample modules and compares exit codes, list files,
// resource copies and the calls the modules saw.

#include "FinderFiles.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using namespace finder_test;

const std::string kOlderList = "older list\r\nthat must stay as it was\r\n";
const std::string kOlderResource = "older resource";

struct Copy {
    std::string from; // a file in the build's bin folder
    std::string to;   // its name in the test's folder
};

struct Case {
    std::string name;
    std::vector<std::string> args; // "{bin}" and "{dir}" are replaced; "{list}" is the list path
    int exitCode;
    std::optional<std::vector<std::string>> list; // none: the older list stays as it was
    std::optional<std::vector<std::string>> calls = std::nullopt; // none: not looked at
    bool resourceCopied = false;
    std::vector<Copy> copies = {};
};

std::string expand(std::string arg, const std::string& dir) {
    for (auto [key, value] : {std::pair<std::string, std::string>{"{list}", dir + "\\list.txt"},
                              {"{res}", dir + "\\resource.xml"},
                              {"{bin}", binFolder()},
                              {"{dir}", dir}}) {
        for (size_t at; (at = arg.find(key)) != std::string::npos;)
            arg.replace(at, key.size(), value);
    }
    return arg;
}

std::vector<std::string> traceLines(const std::string& path) {
    std::vector<std::string> lines;
    std::istringstream in(readFile(path).value_or(""));
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

const std::string kSo = OSTREL_PLX2_SUFFIX;

std::string plx3(const std::string& module) {
    return "{bin}\\" + module + ".plx3";
}
std::string plx2(const std::string& library) {
    return "{bin}\\" + library + kSo;
}

std::string repeat(char c, size_t n) {
    return std::string(n, c);
}

// Lines written as one text, "|" between them.
std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    size_t start = 0;
    for (size_t bar; (bar = text.find('|', start)) != std::string::npos; start = bar + 1)
        out.push_back(text.substr(start, bar - start));
    out.push_back(text.substr(start));
    return out;
}

// The calls every module of this zoo sees around the work on its classes.
std::vector<std::string> aroundClasses(std::vector<std::string> classCalls) {
    std::vector<std::string> calls{"InitDll", "GetPluginFactory"};
    calls.insert(calls.end(), classCalls.begin(), classCalls.end());
    calls.insert(calls.end(), {"factory: destroyed", "ExitDll"});
    return calls;
}

std::vector<std::string> selfControllerLife(const std::string& name) {
    return {name + ": created as component+controller", name + ": initialize", name + ": terminate",
            name + ": destroyed"};
}

std::vector<std::string> concat(std::initializer_list<std::vector<std::string>> parts) {
    std::vector<std::string> all;
    for (const auto& p : parts)
        all.insert(all.end(), p.begin(), p.end());
    return all;
}

class InstFinder : public ::testing::TestWithParam<Case> {};

TEST_P(InstFinder, ExitCodeListAndCalls) {
    const Case& c = GetParam();
    std::string dir = freshFolder("instfinder-" + c.name);
    for (const Copy& copy : c.copies)
        std::filesystem::copy_file(fsPath(binFolder() + "\\" + copy.from),
                                   fsPath(dir + "\\" + copy.to));
    writeFile(dir + "\\list.txt", kOlderList);
    writeFile(dir + "\\resource.xml", kOlderResource);
    std::string trace = dir + "\\trace.txt";

    std::vector<std::string> args;
    for (const std::string& a : c.args)
        args.push_back(expand(a, dir));
    int code =
        runInstFinder(args, {{"OSTREL_PLX_TRACE", Ostrel::Platform::nativePath(trace.c_str())}});

    EXPECT_EQ(code, c.exitCode);
    EXPECT_EQ(readFile(dir + "\\list.txt"), c.list ? crlf(*c.list) : kOlderList);
    EXPECT_EQ(readFile(dir + "\\resource.xml"),
              c.resourceCopied ? readFile(drivePath(OSTREL_PLXXML_FILE)) : kOlderResource);
    if (c.calls) {
        EXPECT_THAT(traceLines(trace), ::testing::ElementsAreArray(*c.calls));
    }
}

std::string caseName(const ::testing::TestParamInfo<Case>& info) {
    return info.param.name;
}

const std::vector<std::string> kSwathenList{"1", "Swathen", "1", "10004202", "Bypass", "0"};
const std::vector<std::string> kNoCalls{};

INSTANTIATE_TEST_SUITE_P(
    CommandLine, InstFinder,
    ::testing::Values(
        Case{"no_arguments", {}, 0, std::nullopt},
        Case{"module_path_only", {plx3("two_instruments")}, 0, std::nullopt, kNoCalls},
        Case{"empty_list_path", {plx3("two_instruments"), ""}, 4, std::nullopt, kNoCalls},
        Case{"empty_list_path_beats_skip_list", {"C:\\x\\Grainmill.dll", ""}, 4, std::nullopt},
        Case{"empty_module_path", {"", "{list}"}, 4, std::nullopt},
        Case{"relative_path", {"plugins\\a.dll", "{list}"}, 3, std::nullopt},
        Case{"unc_path", {"\\\\server\\share\\a.dll", "{list}"}, 3, std::nullopt},
        Case{"empty_file_name", {"C:\\x\\", "{list}"}, 3, std::nullopt},
        Case{"extension_only", {"C:\\x\\.dll", "{list}"}, 3, std::nullopt},
        Case{"file_name_too_long",
             {"C:\\x\\" + repeat('a', 256) + ".dll", "{list}"},
             3,
             std::nullopt},
        Case{"directory_too_long",
             {"C:\\" + repeat('d', 255) + "\\a.dll", "{list}"},
             3,
             std::nullopt},
        Case{"extension_too_long", {"C:\\x\\a." + repeat('e', 255), "{list}"}, 3, std::nullopt},
        Case{"longest_parts_still_split",
             {"C:\\" + repeat('d', 253) + "\\" + repeat('f', 255) + "." + repeat('e', 254),
              "{list}"},
             5,
             std::nullopt},
        Case{"no_extension", {"C:\\x\\Synth", "{list}"}, 7, std::nullopt},
        Case{"dot_in_directory_only", {"C:\\x.y\\Synth", "{list}"}, 7, std::nullopt}),
    caseName);

INSTANTIATE_TEST_SUITE_P(
    NameLists, InstFinder,
    ::testing::Values(
        Case{"skip_list",
             {"{dir}\\Grainmill.dll", "{list}"},
             3,
             std::nullopt,
             kNoCalls,
             false,
             {{"plx2_instrument" + kSo, "Grainmill.dll"}}},
        Case{"skip_list_with_blanks",
             {"C:\\x\\Taviro LE QV Elements Plug-in Set.dll", "{list}"},
             3,
             std::nullopt},
        Case{"skip_list_prefix_is_not_a_match", {"C:\\x\\Ditherel.dll", "{list}"}, 3, std::nullopt},
        Case{"skip_list_whole_names_only", {"C:\\x\\Ditherelhr2.dll", "{list}"}, 5, std::nullopt},
        Case{"skip_list_is_case_sensitive",
             {"{dir}\\grainmill.dll", "{list}"},
             0,
             lines("1|grainmill|4|10004202|Bypass|0|4201|Cutoff|0|4203|Tab E |0|4204||0"),
             std::nullopt,
             false,
             {{"plx2_instrument" + kSo, "grainmill.dll"}}},
        Case{"one_parameter_plx3",
             {"{dir}\\Swathen.plx3", "{list}", "{res}"},
             2,
             kSwathenList,
             kNoCalls,
             false,
             {{"two_instruments.plx3", "Swathen.plx3"}}},
        Case{"one_parameter_plx2",
             {"C:\\x\\Unisolo.dll", "{list}"},
             2,
             lines("1|Unisolo|1|10004202|Bypass|0")},
        Case{"one_parameter_unwritable_list",
             {"C:\\x\\Swathen.dll", "{dir}\\missing\\list.txt"},
             2,
             std::nullopt},
        Case{"host_instrument",
             {"{dir}\\VeylaOne.dll", "{list}"},
             1,
             std::nullopt,
             kNoCalls,
             false,
             {{"plx2_instrument" + kSo, "VeylaOne.dll"}}},
        Case{"host_instrument_plx3", {"C:\\x\\Tessellor_x64.plx3", "{list}"}, 1, std::nullopt},
        Case{"host_instrument_with_blanks",
             {"C:\\x\\Tonesmith LE QV Elements.dll", "{list}"},
             1,
             std::nullopt}),
    caseName);

INSTANTIATE_TEST_SUITE_P(
    Plx3, InstFinder,
    ::testing::Values(
        Case{"two_instruments",
             {plx3("two_instruments"), "{list}", "{res}"},
             0,
             lines("2|Alpha Synth|2|4201|Cutoff|0|4202|Resonance|0|Beta Keys|1|4211|Volume|0"),
             aroundClasses(concat({selfControllerLife("Alpha Synth"),
                                   selfControllerLife("Beta Keys")}))},
        Case{"upper_case_extension",
             {"{dir}\\Synth.PLX3", "{list}"},
             0,
             lines("2|Alpha Synth|2|4201|Cutoff|0|4202|Resonance|0|Beta Keys|1|4211|Volume|0"),
             std::nullopt,
             false,
             {{"two_instruments.plx3", "Synth.PLX3"}}},
        Case{
            "subcategory_cases",
            {plx3("subcategory_cases"), "{list}"},
            0,
            lines("5|"
                  "Fx Then Instrument|1|4201|Level|0|"
                  "Longer Word|1|4201|Level|0|"
                  "Full Name Instrument Filling Every Byte Of Its Sixty-Four Field!|1|4201|Level|0|"
                  "Full Sub-Categories|1|4201|Level|0|"
                  "Tab and  |1|4201|Level|0")},
        Case{"controller_is_component",
             {plx3("controller_is_component"), "{list}"},
             0,
             lines("1|Self Synth|2|4204|Drive|0|4205|Tone|0"),
             aroundClasses(selfControllerLife("Self Synth"))},
        Case{"separate_controller",
             {plx3("separate_controller"), "{list}"},
             0,
             lines("1|Split Synth|2|4202|Pitch|1|Voice|4203|Master|0"),
             aroundClasses({"Split Synth: created as component", "Split Synth: initialize",
                            "Split Synth Controller: created as controller",
                            "Split Synth Controller: initialize", "Split Synth: terminate",
                            "Split Synth Controller: terminate", "Split Synth: destroyed",
                            "Split Synth Controller: destroyed"})},
        Case{"unit_tree",
             {plx3("unit_tree"), "{list}"},
             0,
             lines("1|Tree Synth|10|"
                   "4202|Cutoff|2|Osc|Filter|"
                   "4203|Attack|3|Osc|Filter|Env|"
                   "4204|Master|0|"
                   "4205|Gain|1|Amp|"
                   "4206|Orphan|0|"
                   "4207|Lower|1|Under Second|"
                   "4208|Twin|2|Twin B|Twin A|"
                   "4209|Late|2|Parent Later|Child First|"
                   "4210|Narrow|1|Caf  -|"
                   "4211|Top|0")},
        Case{"cyclic_units",
             {plx3("cyclic_units"), "{list}"},
             0,
             lines("1|Ring Synth|3|"
                   "4202|In A|2|Ring B|Ring A|"
                   "4203|In Self|1|Own Parent|"
                   "4204|Below Ring|3|Ring B|Ring A|Into Ring")},
        Case{"parameter_filters",
             {plx3("parameter_filters"), "{list}"},
             0,
             lines("1|Filter Synth|5|"
                   "4201|Listed|0|"
                   "4204|Extra Flags|0|"
                   "4207|Full Title Of One Hundred And Twenty-Eight Units, Written Out To The Very "
                   "Last Unit "
                   "Of The Field Without A Terminator At Its End|0|"
                   "4208|Caf  -A|0|"
                   "4209|Last|0")},
        Case{"parameter_ids",
             {plx3("parameter_ids"), "{list}"},
             0,
             lines("1|Id Synth|6|"
                   "4201|Zero|0|"
                   "4200|Top Unsigned|0|"
                   "2147483647|Largest Positive|0|"
                   "-2147483648|First Wrapped|0|"
                   "-2147479448|Top Signed|0|"
                   "0|Wraps To Zero|0")},
        Case{"negative_counts",
             {plx3("negative_counts"), "{list}"},
             0,
             lines("1|Fine|1|4201|Level|0"),
             aroundClasses(concat({selfControllerLife("Negative Units"),
                                   selfControllerLife("Negative Params"),
                                   selfControllerLife("Fine")}))},
        Case{"failing_calls",
             {plx3("failing_calls"), "{list}"},
             0,
             lines("1|Failing Calls|3|"
                   "4201|In Kept|1|Kept|"
                   "4203|In Failed|0|"
                   "4204|Below|1|Below Failed"),
             aroundClasses(selfControllerLife("Failing Calls"))},
        Case{"component_failures",
             {plx3("component_failures"), "{list}"},
             0,
             lines("1|Initialize Fails|1|4201|Level|0"),
             aroundClasses(concat(
                 {{"No Controller: created as component", "No Controller: initialize",
                   "No Controller: terminate", "No Controller: destroyed"},
                  {"Missing Controller: created as component", "Missing Controller: initialize",
                   "Missing Controller: terminate", "Missing Controller: destroyed"},
                  selfControllerLife("Initialize Fails")}))},
        Case{
            "all_jobs_fail", {plx3("all_jobs_fail"), "{list}"}, 0, std::nullopt, aroundClasses({})},
        Case{"unwritable_list",
             {plx3("two_instruments"), "{dir}\\missing\\list.txt"},
             0,
             std::nullopt},
        Case{"no_instruments",
             {plx3("no_instruments"), "{list}"},
             8,
             std::nullopt,
             aroundClasses({})},
        Case{"negative_class_count",
             {plx3("negative_class_count"), "{list}"},
             8,
             std::nullopt,
             aroundClasses({})},
        Case{"no_factory2", {plx3("no_factory2"), "{list}"}, 8, std::nullopt, aroundClasses({})},
        Case{"initdll_false", {plx3("initdll_false"), "{list}"}, 7, std::nullopt, lines("InitDll")},
        Case{"no_get_plugin_factory",
             {plx3("no_get_plugin_factory"), "{list}"},
             7,
             std::nullopt,
             lines("InitDll|ExitDll")},
        Case{"null_factory",
             {plx3("null_factory"), "{list}"},
             7,
             std::nullopt,
             lines("InitDll|GetPluginFactory|ExitDll")},
        Case{"no_initdll",
             {plx3("no_initdll"), "{list}"},
             0,
             lines("1|Plain Synth|1|4201|Volume|0"),
             concat({{"GetPluginFactory"},
                     selfControllerLife("Plain Synth"),
                     {"factory: destroyed", "ExitDll"}})},
        Case{"missing_module", {"{dir}\\absent.plx3", "{list}"}, 7, std::nullopt}),
    caseName);

const std::vector<std::string> kInstrumentCalls{"entry PLXPluginMain",
                                                "host version 2400",
                                                "open",
                                                "category",
                                                "can automate 0",
                                                "name 0",
                                                "can automate 1",
                                                "can automate 2",
                                                "name 2",
                                                "can automate 3",
                                                "name 3",
                                                "close"};

INSTANTIATE_TEST_SUITE_P(
    Plx2, InstFinder,
    ::testing::Values(
        Case{"instrument",
             {plx2("plx2_instrument"), "{list}", "{res}"},
             0,
             lines("1|plx2_instrument|4|10004202|Bypass|0|4201|Cutoff|0|4203|Tab E |0|4204||0"),
             kInstrumentCalls,
             true},
        Case{"instrument_named_after_file",
             {"{dir}\\MySynth.dll", "{list}", "", "ignored"},
             0,
             lines("1|MySynth|4|10004202|Bypass|0|4201|Cutoff|0|4203|Tab E |0|4204||0"),
             kInstrumentCalls,
             false,
             {{"plx2_instrument" + kSo, "MySynth.dll"}}},
        Case{"main_only",
             {plx2("plx2_main_only"), "{list}"},
             0,
             lines("1|plx2_main_only|2|10004202|Bypass|0|4201|Fallback Level|0"),
             lines("entry main|host version 2400|open|category|can automate 0|name 0|close")},
        Case{"both_entries",
             {plx2("plx2_both_entries"), "{list}"},
             0,
             lines("1|plx2_both_entries|2|10004202|Bypass|0|4201|Primary Level|0")},
        Case{"no_entry",
             {plx2("plx2_no_entry"), "{list}", "{res}"},
             6,
             std::nullopt,
             kNoCalls,
             true},
        Case{"null_instance",
             {plx2("plx2_null_instance"), "{list}", "{res}"},
             7,
             std::nullopt,
             lines("entry PLXPluginMain"),
             true},
        Case{"effect",
             {plx2("plx2_effect"), "{list}", "{res}"},
             8,
             std::nullopt,
             lines("entry PLXPluginMain|host version 2400|open|category|close"),
             true},
        Case{"no_parameters_no_resource",
             {plx2("plx2_no_parameters"), "{list}", "{res}"},
             0,
             lines("1|plx2_no_parameters|1|10004202|Bypass|0")},
        Case{"long_names",
             {plx2("plx2_long_names"), "{list}"},
             0,
             std::vector<std::string>{"1", "plx2_long_names", "4", "10004202", "Bypass", "0",
                                      "4201", repeat('L', 254), "0", "4202", repeat('N', 254), "0",
                                      "4203", "After", "0"}},
        Case{"missing_library", {"{dir}\\absent.dll", "{list}", "{res}"}, 5, std::nullopt}),
    caseName);

TEST(InstFinderFiles, FileThatIsNoLibrary) {
    std::string dir = freshFolder("instfinder-text-file");
    writeFile(dir + "\\text.dll", "not a library\r\n");
    EXPECT_EQ(runInstFinder({dir + "\\text.dll", dir + "\\list.txt"}), 5);
    EXPECT_FALSE(readFile(dir + "\\list.txt"));
}

// Nothing to write: no file is created.
TEST(InstFinderFiles, EmptyListCreatesNoFile) {
    std::string dir = freshFolder("instfinder-no-file");
    EXPECT_EQ(runInstFinder({binFolder() + "\\all_jobs_fail.plx3", dir + "\\list.txt"}), 0);
    EXPECT_FALSE(readFile(dir + "\\list.txt"));
}

// Natively a drive other than Z: maps through its own variable, for modules and lists alike.
TEST(InstFinderFiles, DriveMappingOnPosix) {
    if (!OSTREL_TEST_POSIX_DRIVES)
        GTEST_SKIP() << "drive letters are the system's own here";
    std::string dir = freshFolder("instfinder-drive-c");
    std::filesystem::copy_file(fsPath(binFolder() + "\\plx2_no_parameters" + kSo),
                               fsPath(dir + "\\MySynth.dll"));
    int code = runInstFinder({"C:\\MySynth.dll", "C:\\list.txt"},
                             {{"OSTREL_DRIVE_C", fsPath(dir).string()}});
    EXPECT_EQ(code, 0);
    EXPECT_EQ(readFile(dir + "\\list.txt"), crlf({"1", "MySynth", "1", "10004202", "Bypass", "0"}));
}

} // namespace
