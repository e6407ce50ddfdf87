// SPDX-License-Identifier: MIT
#include "sway_tree.h"

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

std::vector<std::string> swayTreeCommand()
{
    return { "python3", "-c", printViews };
}

std::vector<SwayView> parseSwayViews(const std::string& printed)
{
    std::vector<SwayView> views;
    std::istringstream lines(printed);
    for (std::string line; std::getline(lines, line);) {
        std::vector<std::string> fields;
        std::istringstream split(line);
        for (std::string field; std::getline(split, field, '\t');)
            fields.push_back(field);
        if (fields.size() < 4)
            continue;
        SwayView view;
        view.id = std::stoul(fields[0]);
        view.name = fields[1];
        std::istringstream(fields[2]) >> view.client.x >> view.client.y >> view.client.width
            >> view.client.height;
        view.focused = fields[3] == "1";
        view.appId = fields.size() > 4 ? fields[4] : "";
        views.push_back(std::move(view));
    }
    return views;
}

} // namespace zorvik::harness
