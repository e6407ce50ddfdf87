// SPDX-License-Identifier: MIT
#include "compositor_windows.h"

#include <sstream>

namespace zorvik::harness {

namespace {

// A floating window's window_rect lies in its container's rect, the title bar above both. Its
// size is what sway last asked of it; the window's own geometry is what it draws.
constexpr const char* printViews = R"(import json, subprocess
def walk(node):
    for child in node.get('nodes', []) + node.get('floating_nodes', []):
        if child.get('pid'):
            r, w, g = child['rect'], child['window_rect'], child['geometry']
            print('\t'.join([str(child['id']), child.get('name') or '',
                             '%d %d %d %d' % (r['x'] + w['x'], r['y'] + w['y'], g['width'],
                                              g['height']),
                             '1' if child.get('focused') else '0',
                             child.get('app_id') or
                             (child.get('window_properties') or {}).get('class', '')]))
        walk(child)
walk(json.loads(subprocess.check_output(['swaymsg', '-r', '-t', 'get_tree'])))
)";

} // namespace

Rect clientAreaIn(const Frame& output, const Rect& near)
{
    const auto likeTheMiddle = [&](int y) {
        int same = 0;
        for (int x = near.x; x < near.x + near.width; ++x)
            same += output.at(x, y) == output.at(x, near.y + near.height / 2);
        return 2 * same > near.width;
    };
    Rect area { near.x, near.y - 64, near.width, 0 }; // no title bar is 64 px high
    while (!likeTheMiddle(area.y) && area.y < near.y + 64)
        ++area.y;
    while (likeTheMiddle(area.y + area.height))
        ++area.height;
    return area;
}

std::vector<std::string> swayTreeCommand()
{
    return { "python3", "-c", printViews };
}

std::string kwinWindowsScript(const std::string& prefix)
{
    return "const prefix = '" + prefix + R"(';
const active = workspace.activeWindow || workspace.activeClient;
)" + kwinWindowList
        + R"(.forEach(function (w) {
    const c = w.clientGeometry || w.frameGeometry;
    print(prefix + '\t' + w.internalId + '\t' + w.caption + '\t' + [Math.round(c.x),
          Math.round(c.y), Math.round(c.width), Math.round(c.height)].join(' ') + '\t' +
          (w === active ? '1' : '0') + '\t' + w.desktopFileName);
});
print(prefix + '\tend');
)";
}

std::vector<CompositorWindow> parseCompositorWindows(
    const std::string& printed, const std::string& prefix)
{
    std::vector<CompositorWindow> windows;
    std::istringstream lines(printed);
    for (std::string line; std::getline(lines, line);) {
        if (!prefix.empty()) {
            const auto at = line.find(prefix + "\t");
            if (at == std::string::npos)
                continue;
            line.erase(0, at + prefix.size() + 1);
        }
        std::vector<std::string> fields;
        std::istringstream split(line);
        for (std::string field; std::getline(split, field, '\t');)
            fields.push_back(field);
        if (fields.size() < 4)
            continue;
        CompositorWindow window;
        window.id = fields[0];
        window.name = fields[1];
        std::istringstream(fields[2]) >> window.client.x >> window.client.y >> window.client.width
            >> window.client.height;
        window.focused = fields[3] == "1";
        window.appId = fields.size() > 4 ? fields[4] : "";
        windows.push_back(std::move(window));
    }
    return windows;
}

} // namespace zorvik::harness
