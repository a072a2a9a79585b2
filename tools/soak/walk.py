# SPDX-License-Identifier: GPL-3.0-or-later
"""The random walk: where the program's window and its parts are, and which input comes next.

Places are found from the live window tree, not from pixel positions of single controls: the
two views are the two large native child windows of the upper part (3D left, top view right),
the menu bar and tool bar lie above them with the tab strip right on top of the views, and the
pages lie between the views and the status bar at the bottom. Each action is an xdotool command
line (or a few, split by ";"), so the action log can be run again as it stands.
"""

import collections
import random

Rect = collections.namedtuple("Rect", "x y w h")

VIEW_KEYS = "jlikadwsqeuo"  # the window's key table: pan, turn, raise and zoom the views
SHORTCUTS = ["ctrl+n", "ctrl+o", "ctrl+s", "ctrl+alt+n", "ctrl+alt+d", "ctrl+alt+p", "ctrl+alt+x",
             "F3", "F11", "F10", "ctrl+shift+r", "ctrl+z", "ctrl+y", "ctrl+shift+z"]  # never alt+F4: that ends the program on purpose
MENU_ACCELERATORS = ["alt+d", "alt+b", "alt+t", "alt+3", "alt+2", "alt+e"]
TYPED_TEXTS = ["1", "-2", "0,5", "1,5E3", "2e-9", "1e", "abc", "-", "7E99", "0", ",", "3,3"]
DIALOG_CHARACTERS = "abcdefghijklmnopqrstuvwxyz0123456789,"  # no "/" or ".": typed names stay here


NEXT_COMMAND = ";"  # splits an action into several xdotool command lines


class Layout:
    """What the program shows now, in screen pixels. A view that was not found (the splitter
    pushed it aside) gets its usual share of the window."""

    def __init__(self, main, rect, views, menus, dialogs):
        self.main, self.rect, self.views = main, rect, views
        self.menus, self.dialogs = menus, dialogs
        self.view3d = views[0][1] if views[0] else Rect(rect.x + int(0.01 * rect.w), rect.y + int(0.18 * rect.h),
                                                       int(0.47 * rect.w), int(0.38 * rect.h))
        self.view2d = views[1][1] if views[1] else Rect(rect.x + int(0.52 * rect.w), self.view3d.y,
                                                       self.view3d.w, self.view3d.h)

    def mode(self):
        if self.dialogs:
            return "dialog"
        return "menu" if self.menus else "main"


def top_level_windows(client, pid):
    """(main window, menus, dialogs) of the program: its viewable top-level windows by kind, the
    main window and each dialog as (window, rect), each menu as its rect."""
    normal, menus, dialogs = [], [], []
    for window in client.children(client.root):
        if not client.viewable(window) or client.pid(window) != pid:
            continue
        rect = client.screen_rect(window)
        if rect is None:
            continue
        kinds = client.window_types(window)
        if any("TOOLTIP" in kind for kind in kinds):
            continue
        if any("MENU" in kind or "COMBO" in kind for kind in kinds):
            menus.append(Rect(*rect))
        elif kinds and kinds[0] == "_NET_WM_WINDOW_TYPE_NORMAL":
            normal.append((window, Rect(*rect)))
        else:
            dialogs.append((window, Rect(*rect)))
    if not normal:
        return None, menus, dialogs
    main = max(normal, key=lambda item: item[1].w * item[1].h)
    # A second plain window is modal to the main window too. Dialogs stay in stacking order,
    # the top one last.
    dialogs = [item for item in normal if item is not main] + dialogs
    return main, menus, dialogs


def find_views(client, main, rect):
    """The 3D and the top view as ((window, rect) or None) pairs: the large native windows of the
    upper part, left and right."""
    found = {}
    pending = list(client.children(main))
    while pending:
        window = pending.pop()
        if not client.viewable(window):
            continue
        pending.extend(client.children(window))
        child = client.screen_rect(window)
        if child is not None and looks_like_view(Rect(*child), rect):
            found.setdefault(Rect(*child), window)
    views = sorted(found.items(), key=lambda item: item[0].w * item[0].h, reverse=True)[:2]
    views = [(window, view) for view, window in sorted(views, key=lambda item: item[0].x)]
    if len(views) == 2:
        return views[0], views[1]
    if len(views) == 1:
        left = views[0][1].x + views[0][1].w / 2 < rect.x + rect.w / 2
        return (views[0], None) if left else (None, views[0])
    return None, None


def looks_like_view(child, rect):
    return (0.15 * rect.w <= child.w <= 0.7 * rect.w and child.h >= 0.15 * rect.h
            and child.y < rect.y + 0.6 * rect.h)


def still_views(client, views, rect):
    """The same view windows with their rectangles now, or None when one is gone or changed shape."""
    result = []
    for view in views:
        if view is None:
            return None
        window, _ = view
        now = client.screen_rect(window) if client.viewable(window) else None
        if now is None or not looks_like_view(Rect(*now), rect):
            return None
        result.append((window, Rect(*now)))
    return tuple(result)


def discover(client, pid, with_views=True, previous=None):
    """The program's layout now, or None while it shows no main window. Without with_views the
    views of the previous layout are kept as they were."""
    found, menus, dialogs = top_level_windows(client, pid)
    if found is None:
        return None
    main, rect = found
    views = previous.views if previous is not None and previous.main == main else None
    if views is None or (with_views and previous.rect != rect):
        views = find_views(client, main, rect)
    elif with_views:
        views = still_views(client, views, rect) or find_views(client, main, rect)
    return Layout(main, rect, views, menus, dialogs)


class Walker:
    """Draws the next action from a seeded generator; the same seed and layout give the same walk."""

    def __init__(self, seed):
        self.random = random.Random(seed)
        self._main_actions = [
            (8, "view click", self._view_click), (8, "view drag", self._view_drag),
            (4, "view wheel", self._view_wheel), (6, "view menu", self._view_menu),
            (10, "view keys", self._view_keys), (2, "delete charge", self._delete_charge),
            (3, "shortcut", self._shortcut), (4, "menu bar", self._menu_bar),
            (3, "menu key", self._menu_key), (4, "tool bar", self._tool_bar),
            (5, "tab strip", self._tab_strip), (10, "page click", self._page_click),
            (4, "page drag", self._page_drag), (5, "page typing", self._page_typing),
            (2, "splitter drag", self._splitter_drag), (4, "escape", self._escape),
            (1, "pointer away", self._pointer_away), (1, "pause", self._pause),
        ]

    def next_action(self, layout):
        """(kind, xdotool arguments) for the layout's mode."""
        mode = layout.mode()
        if mode == "dialog":
            return self._dialog_keys(layout)
        if mode == "menu":
            return self._menu_choice(layout)
        weights = [weight for weight, _, _ in self._main_actions]
        _, kind, make = self.random.choices(self._main_actions, weights)[0]
        return kind, make(layout)

    # Helpers -----------------------------------------------------------------------------

    def _point(self, rect, margin=3):
        x = rect.x + self.random.randint(margin, max(margin, rect.w - margin))
        y = rect.y + self.random.randint(margin, max(margin, rect.h - margin))
        return x, y

    def _band(self, layout, top, bottom):
        """A point in a full-width band of the main window between two screen rows."""
        rect = layout.rect
        top, bottom = int(max(rect.y, top)), int(min(rect.y + rect.h - 1, bottom))
        if bottom <= top:
            bottom = top + 1
        return self._point(Rect(rect.x, top, rect.w, bottom - top), 4)

    def _any_view(self, layout):
        return layout.view3d if self.random.random() < 0.5 else layout.view2d

    @staticmethod
    def _click(x, y, button=1, clicks=1):
        """Moves there and clicks; xdotool waits 100 ms after a click unless told otherwise."""
        return ["mousemove", str(x), str(y), "click", "--repeat", str(clicks), "--delay", "60" if clicks > 1 else "0",
                str(button)]

    def _drag(self, button, start, end, steps):
        args = ["mousemove", str(start[0]), str(start[1]), "mousedown", str(button)]
        for step in range(1, steps + 1):
            x = start[0] + (end[0] - start[0]) * step // steps
            y = start[1] + (end[1] - start[1]) * step // steps
            args += ["sleep", "0.02", "mousemove", str(x), str(y)]
        return args + ["mouseup", str(button)]

    @staticmethod
    def _focus(layout):
        """Key input goes to the main window, as a window manager would have it after a dialog closed."""
        return ["windowfocus", str(layout.main)]

    def _views_top(self, layout):
        return min(layout.view3d.y, layout.view2d.y)

    def _views_bottom(self, layout):
        return max(layout.view3d.y + layout.view3d.h, layout.view2d.y + layout.view2d.h)

    def _text(self, alphabet, longest):
        return "".join(self.random.choice(alphabet) for _ in range(self.random.randint(1, longest)))

    # Actions on the main window ----------------------------------------------------------

    def _view_click(self, layout):
        x, y = self._point(self._any_view(layout))
        return self._click(x, y, clicks=2 if self.random.random() < 0.15 else 1)

    def _view_drag(self, layout):
        view = self._any_view(layout)
        button = self.random.choice([1, 1, 1, 2, 3])
        return self._drag(button, self._point(view), self._point(view), self.random.randint(2, 8))

    def _view_wheel(self, layout):
        x, y = self._point(self._any_view(layout))
        return ["mousemove", str(x), str(y), "click", "--repeat", str(self.random.randint(1, 6)), "--delay", "20",
                self.random.choice(["4", "5"])]

    def _view_menu(self, layout):
        """Right-click a view, then click somewhere in the menu that opened, or leave it."""
        x, y = self._point(self._any_view(layout))
        args = self._click(x, y, button=3) + ["sleep", "0.3"]
        if self.random.random() < 0.6:
            dx, dy = self.random.randint(8, 180), self.random.randint(5, 260)
            return args + self._click(x + dx, y + dy)
        return args + ["key", "Escape"]

    def _view_keys(self, layout):
        x, y = self._point(self._any_view(layout))
        keys = [self.random.choice(VIEW_KEYS) for _ in range(self.random.randint(1, 8))]
        return ["mousemove", str(x), str(y)] + self._focus(layout) + ["key", "--delay", "30"] + keys

    def _delete_charge(self, layout):
        x, y = self._point(layout.view2d)
        confirm = self.random.choice(["j", "j", "x", "shift"])
        return self._click(x, y) + ["key", "--delay", "80", "Delete", confirm]

    def _shortcut(self, layout):
        return self._focus(layout) + ["key", self.random.choice(SHORTCUTS)]

    def _menu_bar(self, layout):
        """Open a menu of the menu bar and click into it, walk it by keys, or leave it."""
        rect = layout.rect
        x, y = rect.x + self.random.randint(5, max(6, int(0.45 * rect.w))), rect.y + 10
        args = self._click(x, y) + ["sleep", "0.3"]
        choice = self.random.random()
        if choice < 0.4:
            return args + self._click(x + self.random.randint(-10, 150), y + self.random.randint(15, 260))
        if choice < 0.7:
            return args + ["key", "--delay", "40"] + ["Down"] * self.random.randint(1, 9) + ["Return"]
        return args + ["key", "Escape"]

    def _menu_key(self, layout):
        keys = [self.random.choice(MENU_ACCELERATORS)] + ["Down"] * self.random.randint(0, 6)
        keys.append(self.random.choice(["Return", "Escape", "Escape"]))
        return self._focus(layout) + ["key", "--delay", "60"] + keys

    def _tool_bar(self, layout):
        x, y = self._band(layout, layout.rect.y + 24, self._views_top(layout) - 34)
        return self._click(x, y)

    def _tab_strip(self, layout):
        x, y = self._band(layout, self._views_top(layout) - 26, self._views_top(layout) - 12)
        return self._click(x, y, clicks=2 if self.random.random() < 0.1 else 1)

    def _page_point(self, layout):
        return self._band(layout, self._views_bottom(layout) + 4, layout.rect.y + layout.rect.h - 24)

    def _page_click(self, layout):
        x, y = self._page_point(layout)
        return self._click(x, y, clicks=2 if self.random.random() < 0.2 else 1)

    def _page_drag(self, layout):
        start = self._page_point(layout)
        end = (start[0] + self.random.randint(-200, 200), start[1] + self.random.randint(-15, 15))
        return self._drag(1, start, end, self.random.randint(2, 6))

    def _page_typing(self, layout):
        x, y = self._page_point(layout)
        ending = self.random.choice(["Return", "Tab", "Escape", "Return"])
        # xdotool's "type" takes every argument after it as text: the key goes in a command of its own.
        return self._click(x, y, clicks=self.random.choice([1, 2])) + [
            "type", "--delay", "25", "--", self.random.choice(TYPED_TEXTS), NEXT_COMMAND, "key", ending]

    def _splitter_drag(self, layout):
        # The splitter is a narrow label somewhere in the gap between the views.
        left, right = layout.view3d, layout.view2d
        x = self.random.randint(min(left.x + left.w, right.x - 1), right.x - 1)
        y = left.y + left.h // 2
        return self._drag(1, (x, y), (x + self.random.randint(-300, 300), y), 5)

    def _escape(self, layout):
        return self._focus(layout) + ["key", "Escape"]

    def _pointer_away(self, layout):
        rect = layout.rect
        return ["mousemove", str(max(0, rect.x - 20)), str(max(0, rect.y - 20))]

    def _pause(self, layout):
        return ["sleep", "%.1f" % self.random.uniform(0.3, 1.5)]

    # Menus and dialogs: keys only, so no click can reach a folder button of a file dialog ------

    def _menu_choice(self, layout):
        choice = self.random.random()
        if choice < 0.35:
            return "menu escape", ["key", "Escape"]
        if choice < 0.6:
            return "menu keys", ["key", "--delay", "40"] + ["Down"] * self.random.randint(1, 6) + ["Return"]
        if choice < 0.7:
            return "menu keys", ["key", self.random.choice(["Left", "Right"])]
        x, y = self._point(self.random.choice(layout.menus))
        return "menu click", self._click(x, y)

    def _dialog_keys(self, layout):
        # The top dialog gets the keys even when the last action gave the main window the focus
        # just before the dialog opened.
        focus = ["windowfocus", str(layout.dialogs[-1][0])]
        choice = self.random.random()
        if choice < 0.55:
            return "dialog escape", focus + ["key", "Escape"]
        if choice < 0.7:
            return "dialog keys", focus + ["key", "Return"]
        if choice < 0.8:
            return "dialog keys", focus + ["key", "BackSpace"]
        return "dialog typing", focus + ["type", "--delay", "25", self._text(DIALOG_CHARACTERS, 6)]
