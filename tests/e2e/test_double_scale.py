"""At twice the scale (QT_SCALE_FACTOR=2) the icon is drawn from its vector master, not
blown up from 32 pixels."""

import unittest

from e2e_case import DesktopCase, wait_for
from pixels import mean_difference, region, render_icon


class DoubleScale(DesktopCase):
    """The same program at twice the scale, on a screen large enough for it."""
    SCREEN = "2560x2048x24"

    def test_the_icon_is_sharp_at_double_scale(self):
        d = self.desktop
        program, main = self.start_main(env={"QT_SCALE_FACTOR": "2"})
        d.key("alt+f", "x")
        self.exit_screen(program)
        # The icon is the purple rounded square near the window's top left corner; its
        # drawing leaves a 16/256 margin around it, 4 pixels at 64.
        wid = program.x_windows()[0]
        geometry = dict(line.split("=") for line in d.xdotool("getwindowgeometry", "--shell", wid).split())
        x, y = int(geometry["X"]), int(geometry["Y"])

        def painted():
            area = region(d, rect=(x, max(0, y - 60), 200, 200))
            purple = [(px, py) for py, row in enumerate(area) for px, rgb in enumerate(row) if rgb == (90, 35, 220)]
            return purple and (area, purple)
        area, purple = wait_for(painted, 5, message="no icon on the exit screen")
        left, top = min(p[0] for p in purple) - 4, min(p[1] for p in purple) - 4
        crop = [row[left:left + 64] for row in area[top:top + 64]]
        sharp = render_icon(64, 64)
        blurry = render_icon(32, 64)
        to_sharp, to_blurry = mean_difference(crop, sharp), mean_difference(crop, blurry)
        self.assertLess(to_sharp, 6, (to_sharp, to_blurry))
        self.assertLess(to_sharp, to_blurry / 2, (to_sharp, to_blurry))


if __name__ == "__main__":
    unittest.main()
