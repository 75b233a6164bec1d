"""help.html: how to play, in Chinese and English, self-contained UTF-8."""
import os

# (level, clock unit in seconds, help moves)
LEVELS = [(1, "2.5", 10), (2, "2", 9), (3, "1.75", 8), (4, "1.5", 7), (5, "1.25", 6),
          (6, "1", 5), (7, "0.75", 4), (8, "0.5", 3), (9, "0.4", 2), (10, "0.3", 1),
          (11, "0.2", 0), (12, "0.1", 0)]

STYLE = """
body { margin: 0; background: #eef5ea; color: #223; font: 15px/1.6 "DejaVu Sans", "Noto Sans CJK SC", "AR PL UMing CN", sans-serif; }
header { background: linear-gradient(#4d8ff0, #1e5fd0); color: #fff; padding: 18px 32px; }
header h1 { margin: 0; font-size: 26px; }
header p { margin: 4px 0 0; opacity: .9; }
main { max-width: 860px; margin: 0 auto; padding: 8px 24px 32px; }
section { background: #fff; border: 1px solid #b9d6ad; border-radius: 10px; margin: 20px 0; padding: 6px 24px 16px; box-shadow: 0 2px 6px rgba(40,90,40,.12); }
h2 { color: #2f7a2f; border-bottom: 2px solid #cfe6c4; padding-bottom: 4px; }
h3 { color: #1e5fd0; margin-bottom: 4px; }
table { border-collapse: collapse; margin: 8px 0; }
th, td { border: 1px solid #cfe6c4; padding: 3px 12px; text-align: center; }
th { background: #e6f2df; }
kbd { background: #f4f4f4; border: 1px solid #bbb; border-radius: 4px; padding: 0 5px; font-size: 13px; }
.key { color: #c0392b; font-weight: bold; }
"""

ZH = """
<section lang="zh-CN">
<h2>游戏说明</h2>
<h3>玩法</h3>
<p>棋盘上有 10 行 14 列共 140 张动物牌，25 种图案。依次点击两张<span class="key">相同</span>的牌，
如果它们能用一条折线连起来，两张牌就会消去。连线只能横竖走，只能经过空格（包括棋盘外圈的一圈空位），
并且<span class="key">最多拐两个弯</span>。消去时会显示一条紫色连线。消去全部 70 对即过关。</p>
<h3>时间</h3>
<p>每一盘有 150 个时间单位，棋盘上方的红色时间条显示剩余时间。每消去一对牌加回一个单位（最多 150）。
时间用完则本盘结束，显示 GAME OVER，等级不变；点击“继续游戏”或点击棋盘重新开始。</p>
<h3>十二关</h3>
<p>每过一关等级加一，最高第 12 关。等级越高，时间走得越快，求助次数越少：</p>
{table_zh}
<h3>求助</h3>
<p>点击“求助”按钮，程序会自动找到第一对能连起来的牌并消去。按钮上的数字是本盘剩余的求助次数。</p>
<h3>重新洗牌</h3>
<p>当棋盘上再也没有能连起来的牌时，程序会自动把剩下的牌重新打乱。</p>
<h3>暂停</h3>
<p>点击“暂停”隐藏棋盘并停止计时；再点击“开始”或点击棋盘继续。“重新载入”在当前等级重新发一盘牌。</p>
<h3>按键</h3>
<p><kbd>F1</kbd> 打开本说明；<kbd>Tab</kbd> / <kbd>Shift</kbd>+<kbd>Tab</kbd> 在右侧按钮之间移动；
<kbd>空格</kbd> 按下当前按钮。按住标题栏可以拖动窗口。</p>
</section>
"""

EN = """
<section lang="en">
<h2>How to play</h2>
<h3>The rules</h3>
<p>The board holds 140 animal tiles in 10 rows and 14 columns, 25 different faces. Click two tiles that
show the <span class="key">same</span> animal. If they can be joined by a line that runs only
horizontally and vertically through empty cells (the empty ring around the board counts) and makes
<span class="key">at most two turns</span>, both tiles disappear and the violet line shows the way.
Remove all 70 pairs to clear the level.</p>
<h3>The clock</h3>
<p>Each board starts with 150 time units, shown by the red bar above the board. Every removed pair gives
one unit back (up to 150). When the time runs out the board ends with GAME OVER and you stay on the same
level; click &ldquo;继续游戏&rdquo; (continue) or the board to play again.</p>
<h3>Twelve levels</h3>
<p>Clearing a board takes you up one level, to at most level 12. The higher the level, the faster the clock
runs and the fewer help moves you get:</p>
{table_en}
<h3>Help moves</h3>
<p>The &ldquo;求助&rdquo; (help) button removes the first pair that can be linked for you. The number on the
button is how many help moves this board has left.</p>
<h3>Reshuffle</h3>
<p>When no pair on the board can be linked any more, the remaining tiles are shuffled automatically.</p>
<h3>Pause</h3>
<p>&ldquo;暂停&rdquo; (pause) hides the board and stops the clock; click &ldquo;开始&rdquo; (start) or the board
to go on. &ldquo;重新载入&rdquo; (restart) deals a new board at the current level.</p>
<h3>Keys</h3>
<p><kbd>F1</kbd> opens this page; <kbd>Tab</kbd> and <kbd>Shift</kbd>+<kbd>Tab</kbd> move between the
buttons on the right; <kbd>Space</kbd> presses the focused button. Drag the title bar to move the window.</p>
</section>
"""


def _table(head):
    rows = "".join("<tr><td>%d</td><td>%s</td><td>%d</td></tr>" % lv for lv in LEVELS)
    return "<table><tr>%s</tr>%s</table>" % ("".join("<th>%s</th>" % h for h in head), rows)


def make_help():
    zh = ZH.replace("{table_zh}", _table(("关", "每个时间单位（秒）", "求助次数")))
    en = EN.replace("{table_en}", _table(("Level", "Seconds per time unit", "Help moves")))
    return ("<!DOCTYPE html>\n<html lang=\"zh-CN\">\n<head>\n<meta charset=\"utf-8\">\n"
            "<title>Kelvaro 帮助 / Help</title>\n<style>%s</style>\n</head>\n<body>\n"
            "<header><h1>Kelvaro</h1><p>动物图块配对游戏 &middot; "
            "animal tile matching</p></header>\n<main>%s%s</main>\n</body>\n</html>\n"
            % (STYLE, zh, en))


def write_help(out_dir):
    with open(os.path.join(out_dir, "help.html"), "w", encoding="utf-8", newline="\n") as f:
        f.write(make_help())
