#include "tests/web/browser_window.h"

#include "form/line_breaks.h"
#include "tests/expected_output.h"
#include "tests/utf8.h"

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdlib>
#include <stdexcept>
#include <thread>

namespace ribi::testing {
namespace {

using nlohmann::json;

// What the page learns once it is loaded: where each control is, what
// the pupil sees, and each write of the output box, with the option marked
// at that moment.
constexpr char kPageHelpers[] = R"((() => {
  const form = document.getElementById('MainForm');
  const box = document.getElementById('Text1_0');
  const element = (id) => (id ? document.getElementById(id) : form);
  const focusable = (id) => element(id).querySelector('input') ?? element(id);
  const origin = (e) => { const r = e.getBoundingClientRect(); return [r.left + e.clientLeft, r.top + e.clientTop]; };
  const rectIn = (e, parent) => {
    const [x, y] = origin(parent), r = e.getBoundingClientRect();
    return [r.left - x, r.top - y, r.width, r.height].map(Math.round);
  };
  const options = () => [...form.querySelectorAll('[id^="Option1_"] input')];
  const pitch = parseFloat(getComputedStyle(box).lineHeight);
  // The rows a text takes in the box, in a copy of it of no height.
  const rowsOf = (text) => {
    const copy = form.appendChild(box.cloneNode());
    copy.value = text;
    copy.style.height = '0';
    const s = getComputedStyle(copy);
    const rows = (copy.scrollHeight - parseFloat(s.paddingTop) - parseFloat(s.paddingBottom)) / pitch;
    copy.remove();
    return Math.round(rows);
  };
  const writes = [];
  const { get, set } = Object.getOwnPropertyDescriptor(HTMLTextAreaElement.prototype, 'value');
  Object.defineProperty(box, 'value', { get, set(text) {
    set.call(this, text);
    writes.push([text, options().findIndex((o) => o.checked)]);
  } });
  window.ribi = {
    origin: (id) => origin(element(id)),
    size: (id) => [element(id).clientWidth, element(id).clientHeight],
    bounds: (id) => rectIn(element(id), form),
    row(index) {
      const row = document.getElementById(`List1_0_${index}`);
      row.scrollIntoView({ block: 'nearest' });
      return rectIn(row, row.parentElement);
    },
    parent: (id) => element(id).parentElement.closest('[id]').id,
    shown: (id) => element(id).getClientRects().length > 0,
    tabStop: (id) => focusable(id).tabIndex >= 0,
    items: (id) => [...element(id).children].map((row) => row.textContent),
    focus: (id) => focusable(id).focus(),
    font(id) {
      const s = getComputedStyle(element(id));
      return [s.fontFamily.split(',')[0].replace(/"/g, ''), parseFloat(s.fontSize), Number(s.fontWeight),
        s.fontStyle === 'normal' && s.textDecorationLine === 'none'];
    },
    resizable: () => getComputedStyle(form).resize !== 'none',
    // In the program's CR LF text.
    selection: () => [box.selectionStart, box.selectionEnd].map((n) => n + box.value.slice(0, n).split('\n').length - 1),
    lines: () => rowsOf(box.value),
    // The rows the box wraps its text into. A textarea does not tell them:
    // its text is laid out again in a block of the same content width and
    // text style, and read a character at a time.
    rows() {
      const s = getComputedStyle(box), mirror = document.createElement('div');
      for (const p of ['fontFamily', 'fontSize', 'fontWeight', 'fontStyle', 'fontKerning', 'letterSpacing',
        'wordSpacing', 'lineHeight', 'whiteSpace', 'overflowWrap', 'wordBreak', 'lineBreak', 'hyphens', 'tabSize'])
        mirror.style[p] = s[p];
      Object.assign(mirror.style, { position: 'absolute', left: '0', top: '0', visibility: 'hidden', padding: '0',
        border: '0', width: `${box.clientWidth - parseFloat(s.paddingLeft) - parseFloat(s.paddingRight)}px` });
      mirror.textContent = box.value;
      document.body.append(mirror);
      const range = document.createRange(), rows = [];
      let top = null;
      for (let i = 0; i < box.value.length; ++i) {
        range.setStart(mirror.firstChild, i);
        range.setEnd(mirror.firstChild, i + 1);
        // WebKit also gives a row's first character a rect of no width at the end of the row before.
        const rect = box.value[i] === '\n' ? null : [...range.getClientRects()].filter((r) => r.width > 0).pop();
        if (rows.length === 0 || (rect && rect.top > top + 1)) {
          rows.push('');
          top = rect ? rect.top : top;
        }
        if (box.value[i] !== '\n') rows[rows.length - 1] += box.value[i];
      }
      mirror.remove();
      return rows.map((row) => [...row].map((c) => c.charCodeAt(0)));
    },
    narrow: (width) => { box.style.width = `${width}px`; },
    // What a paste gives, into a box of its own; the focus goes back.
    scratch() {
      window.focusedBefore = document.activeElement;
      document.body.appendChild(document.createElement('textarea')).id = 'ribi-scratch';
      document.getElementById('ribi-scratch').focus();
    },
    pasted() {
      const scratch = document.getElementById('ribi-scratch'), text = scratch.value;
      scratch.remove();
      window.focusedBefore.focus();
      return [...text].map((c) => c.charCodeAt(0));
    },
    // Once the engine has scrolled to the caret, which Firefox does at a frame
    // of its own, on a busy machine a later one; or after a second.
    async firstLine() {
      const caret = rowsOf(box.value.slice(0, box.selectionEnd)) - 1, shown = Math.floor(box.clientHeight / pitch);
      for (let frame = 1; ; frame++) {
        await new Promise((done) => requestAnimationFrame(() => setTimeout(done)));
        const first = Math.round(box.scrollTop / pitch);
        if ((first <= caret && caret < first + shown) || frame === 60) return first;
      }
    },
    overflows: () => box.scrollHeight > box.clientHeight,
    // Added to what open_page.js reads of what the pupil sees.
    state: () => ({ shown: form.getClientRects().length > 0, writes: writes.splice(0) }),
  };
})())";

std::u16string Text(const json& units)
{
    std::u16string text;
    for (const auto& unit : units) text += static_cast<char16_t>(unit.get<int>());
    return text;
}

json Units(std::u16string_view text)
{
    json units = json::array();
    for (const char16_t unit : text) units.push_back(static_cast<int>(unit));
    return units;
}

// The writes of the output box, as clicks: a listing is an option's Click,
// any other write the list's; a species' Click holds its type's, where that
// option was not marked yet.
void Count(const json& writes, int& shows, int& listClicks, int& optionClicks, int& checked)
{
    static const expected::Outputs outputs = expected::ProgramOutputs();
    for (const auto& write : writes) {
        const auto output = outputs.find(form::WithCrLfBreaks(Text(write[0])));
        const std::optional<form::Index> marks = output == outputs.end() ? std::nullopt : output->second;
        ++shows;
        ++(output != outputs.end() && !marks ? optionClicks : listClicks);
        if (marks && *marks != checked) ++optionClicks;
        checked = write[1].get<int>();
    }
}

} // namespace

std::vector<std::u16string> BrowserWindow::Texts(const json& texts)
{
    std::vector<std::u16string> all;
    for (const auto& text : texts) all.push_back(Text(text));
    return all;
}

DriverServer::DriverServer(const std::string& engine)
{
    const char* node = std::getenv("RIBI_NODE");
    const char* script = std::getenv("RIBI_DRIVER_SERVER");
    if (!script) throw std::runtime_error("RIBI_DRIVER_SERVER names no driver server");
    std::array<int, 2> in{}, out{};
    if (pipe(in.data()) != 0 || pipe(out.data()) != 0) throw std::runtime_error("no pipe for the driver server");
    child_ = fork();
    if (child_ == 0) {
        dup2(in[0], STDIN_FILENO);
        dup2(out[1], STDOUT_FILENO);
        for (const int end : {in[0], in[1], out[0], out[1]}) close(end);
        setenv("RIBI_ENGINE", engine.c_str(), 1);
        execlp(node ? node : "node", "node", script, static_cast<char*>(nullptr));
        _exit(127);
    }
    close(in[0]);
    close(out[1]);
    requests_ = fdopen(in[1], "w");
    answers_ = fdopen(out[0], "r");
    lacks_ = Call(-1, "lacks").value;
}

DriverServer::~DriverServer()
{
    std::fclose(requests_); // the server closes the engine and ends
    std::fclose(answers_);
    waitpid(child_, nullptr, 0);
}

DriverServer::Answer DriverServer::Call(int page, const std::string& call, json args)
{
    const std::string request = json{{"page", page}, {"call", call}, {"args", std::move(args)}}.dump() + '\n';
    std::fputs(request.c_str(), requests_);
    std::fflush(requests_);
    char* line = nullptr;
    std::size_t capacity = 0;
    const bool read = getline(&line, &capacity, answers_) > 0;
    const std::string answer = read ? line : "";
    std::free(line);
    if (!read) throw std::runtime_error("the driver server ended at " + call);
    const json parsed = json::parse(answer);
    if (parsed.contains("error")) throw std::runtime_error(Utf8(Text(parsed["error"])).value_or(call + " failed"));
    return {parsed["value"], parsed["errors"].get<int>()};
}

std::string DriverServer::Lacks(const std::string& what) const
{
    if (!lacks_.contains(what)) return {};
    return Utf8(Text(lacks_[what])).value_or(what);
}

BrowserWindow::BrowserWindow(DriverServer& server, const form::FormDescription& description, int phone)
    : WindowDriver(description), server_(server),
      page_(server.Call(-1, "open", phone < 0 ? json::array() : json::array({phone})).value.get<int>())
{
    Ask(kPageHelpers);
}

// A page the server cannot close is a failure of the test, not a reason to end the program.
BrowserWindow::~BrowserWindow()
{
    try {
        EXPECT_EQ(errors_, 0) << "the page logged an error or a warning";
        server_.Call(page_, "close");
    } catch (const std::exception& error) {
        ADD_FAILURE() << "the page could not be closed: " << error.what();
    }
}

json BrowserWindow::Ask(const std::string& expression)
{
    auto [value, errors] = server_.Call(page_, "run", {expression});
    errors_ = errors;
    return value;
}

json BrowserWindow::Read(const std::string& helper, ControlId control)
{
    const json id = control.name.empty() ? "" : Narrow(control); // the window's is empty
    return Ask("ribi." + helper + "(" + id.dump() + ")");
}

void BrowserWindow::Act(const std::string& call, json args)
{
    auto [now, errors] = server_.Call(page_, call, std::move(args));
    errors_ = errors;
    Take(now);
}

void BrowserWindow::Take(const json& now)
{
    state_.output = form::WithCrLfBreaks(Text(now["output"]));
    state_.row = now["species"].get<form::Index>();
    state_.types = now["types"].get<std::vector<bool>>();
    state_.focused = Text(now["focused"]);
    state_.announced = now["announced"].get<int>();
    state_.shown = now["shown"].get<bool>();
    Count(now["writes"], state_.shows, state_.listClicks, state_.optionClicks, state_.checked);
    fresh_ = true;
}

const BrowserWindow::State& BrowserWindow::Now()
{
    if (!fresh_) Act("state", json::array());
    return state_;
}

void BrowserWindow::Focus(ControlId control)
{
    Read("focus", control);
    fresh_ = false;
}

bool BrowserWindow::TypeSelected(form::Index index)
{
    const auto& types = Now().types;
    return static_cast<std::size_t>(index) < types.size() && types[static_cast<std::size_t>(index)];
}

// In the viewport's pixels, from the control's client origin, which the
// fixed layout keeps; a point off the page's top or left is at its edge.
json BrowserWindow::ViewportPoint(ControlId control, Point at)
{
    const json& origin = Layout("origin", control);
    return {std::max(0.0, origin[0].get<double>() + at.x), std::max(0.0, origin[1].get<double>() + at.y)};
}

void BrowserWindow::PointerAt(const std::string& call, ControlId control, Point at, json more)
{
    json args = ViewportPoint(control, at);
    args.insert(args.end(), more.begin(), more.end());
    Act(call, std::move(args));
}

void BrowserWindow::Click(ControlId control, Point at, Button button)
{
    PointerAt("click", control, at, {{{"button", button == Button::Left ? "left" : "right"}, {"count", 1}}});
}

void BrowserWindow::DoubleClick(ControlId control, Point at)
{
    PointerAt("click", control, at, {{{"button", "left"}, {"count", 2}}});
}

void BrowserWindow::Drag(ControlId control, Point from, Point to)
{
    PointerAt("down", control, from);
    PointerAt("move", control, to);
    PointerAt("up", control, to);
}

// The browser's clipboard is the system's, which no headless engine
// shares: the driver keeps its own, and Ctrl+V puts it in as a paste does.
void BrowserWindow::Press(Key key, Modifier held)
{
    if (key == Key::V && held == Modifier::Control && !clipboard_.empty()) return Act("insert", {Units(clipboard_)});
    Act("key", {KeyName(key, held)});
}

void BrowserWindow::TypeCharacters(std::u16string_view text)
{
    Act("type", {Units(text)});
}

Rect BrowserWindow::RowRect(form::Index row)
{
    const json r = Ask("ribi.row(" + std::to_string(row) + ")");
    fresh_ = false; // the list may have scrolled
    return {r[0], r[1], r[2], r[3]};
}

// The layout is fixed: each control's is read once.
const json& BrowserWindow::Layout(const std::string& helper, ControlId control)
{
    const auto [at, added] = layout_.try_emplace(helper + Narrow(control));
    if (added) at->second = Read(helper, control);
    return at->second;
}

Point BrowserWindow::Size(ControlId control)
{
    const json& size = Layout("size", control);
    return {size[0], size[1]};
}

Rect BrowserWindow::Bounds(ControlId control)
{
    const json& r = Layout("bounds", control);
    return {r[0], r[1], r[2], r[3]};
}

ControlId BrowserWindow::ParentOf(ControlId control)
{
    const std::u16string parent = Text(Read("parent", control));
    return FirstControl([&](ControlId c) { return ControlName(c) == parent; });
}

Rgb BrowserWindow::Pixel(ControlId control, Point at)
{
    const json rgb = server_.Call(page_, "pixel", ViewportPoint(control, at)).value;
    return {rgb[0], rgb[1], rgb[2]};
}

Font BrowserWindow::FontOf(ControlId control)
{
    const json font = Read("font", control);
    return {Text(font[0]), font[1].get<int>(), font[2].get<int>(), std::nullopt, font[3].get<bool>()};
}

// document.title collapses runs of blanks: the page keeps its title's as no-break spaces.
std::u16string BrowserWindow::Title()
{
    std::u16string title = Text(Ask("document.title"));
    std::ranges::replace(title, u'\u00a0', u' ');
    return title;
}

TextSelection BrowserWindow::OutputSelection()
{
    const json selection = Ask("ribi.selection()");
    return {selection[0], selection[1]};
}

// Outputs are announced in a task after the click's, on a busy machine
// later still: the count is read once it has caught up with the writes,
// or after a while.
int BrowserWindow::OutputNotifications()
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(3);
    while (Now().announced < state_.shows && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        fresh_ = false;
    }
    return Now().announced;
}

bool BrowserWindow::NarrowOutput(int width)
{
    Ask("ribi.narrow(" + std::to_string(width) + ")");
    layout_.clear();
    return true;
}

// The browser's own clipboard, as a paste of it reads: a copy by the
// engine, not the driver's.
std::u16string BrowserWindow::ClipboardText()
{
    Ask("ribi.scratch()");
    Act("key", {"Control+v"});
    return form::WithCrLfBreaks(Text(Ask("ribi.pasted()")));
}

// What the page and its engine cannot do, as the driver server names it.
std::string BrowserWindow::Lacks(Lack what)
{
    constexpr std::array<const char*, kLackCount> kNames{
        "otherForms", "hiddenListItems", "rightClick", "tabRound", "undoOfTheFocusedControl", "copyOfNoBreakSpaces"};
    return server_.Lacks(kNames[static_cast<std::size_t>(what)]);
}

} // namespace ribi::testing
