<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>quiz</name>
    <message>
        <source>Which of these IP addresses matches:</source>
        <extracomment>A question: four IP addresses follow, and the block they may lie in is shown under it. Any number of the four may lie in it, all four included, so a form that allows more than one (a plural, or a form neutral in number) fits. The closing colon introduces the block shown under it; it may become the question mark the language puts there.</extracomment>
        <translation>以下哪些 IP 地址属于该网段：</translation>
    </message>
    <message>
        <source>Which of these ranges includes:</source>
        <extracomment>A question: four blocks (a.b.c.d/n) follow, and the address shown under it may lie in any number of them, all four included. As for the first question, the colon may become a question mark; keep the three questions alike.</extracomment>
        <translation>以下哪些网段包含该地址：</translation>
    </message>
    <message>
        <source>How many IP addresses are contained in the range:</source>
        <extracomment>A question: the block shown under it, and four counts of addresses to choose from; one of them is right. End it as the other two questions end.</extracomment>
        <translation>该网段包含多少个 IP 地址：</translation>
    </message>
    <message>
        <source>True</source>
        <extracomment>A verdict: the option is right, the word a test marks a right answer with (not the truth value &quot;true&quot;).</extracomment>
        <translation>正确</translation>
    </message>
    <message>
        <source>Too Small</source>
        <extracomment>A verdict on an address: it lies below the block.</extracomment>
        <translation>太小</translation>
    </message>
    <message>
        <source>Too Big</source>
        <extracomment>A verdict on an address: it lies above the block.</extracomment>
        <translation>太大</translation>
    </message>
    <message>
        <source>Too High</source>
        <extracomment>A verdict on a block: it lies above the address.</extracomment>
        <translation>太高</translation>
    </message>
    <message>
        <source>Too Low</source>
        <extracomment>A verdict on a block: it lies below the address.</extracomment>
        <translation>太低</translation>
    </message>
    <message>
        <source>False</source>
        <extracomment>A verdict on a count of addresses: it is the count of a block of another size, so the option is wrong; the word a test marks a wrong answer with (not the truth value &quot;false&quot;).</extracomment>
        <translation>错误</translation>
    </message>
    <message>
        <source>Silly</source>
        <extracomment>A verdict on a count of addresses that no block can hold, as it is no power of two. A neutral word for &quot;impossible&quot;: it judges the option, never the learner who chose it.</extracomment>
        <translation>不可能</translation>
    </message>
</context>
<context>
    <name>ui::Form1</name>
    <message>
        <source>New Type 1</source>
        <extracomment>The button that poses a new question of the first type: which address lies in a block.</extracomment>
        <translation>新题：类型 1</translation>
    </message>
    <message>
        <source>New Type 2</source>
        <extracomment>The button that poses a new question of the second type: which block holds an address.</extracomment>
        <translation>新题：类型 2</translation>
    </message>
    <message>
        <source>New Type 3</source>
        <extracomment>The button that poses a new question of the third type: how many addresses a block holds.</extracomment>
        <translation>新题：类型 3</translation>
    </message>
    <message>
        <source>a) </source>
        <extracomment>The first option&apos;s letter, a closing parenthesis and a blank, as a test&apos;s options are lettered.</extracomment>
        <translation>A) </translation>
    </message>
    <message>
        <source>b) </source>
        <extracomment>The second option&apos;s letter.</extracomment>
        <translation>B) </translation>
    </message>
    <message>
        <source>c) </source>
        <extracomment>The third option&apos;s letter.</extracomment>
        <translation>C) </translation>
    </message>
    <message>
        <source>d) </source>
        <extracomment>The fourth option&apos;s letter.</extracomment>
        <translation>D) </translation>
    </message>
    <message>
        <source>Select</source>
        <extracomment>The button beside an option that shows its verdict: whether the option is right. It has 81 pixels for its caption, about seven letters; a longer caption is drawn smaller.</extracomment>
        <translation>选择</translation>
    </message>
    <message>
        <source>LTR</source>
        <extracomment>The direction the language is written in: LTR, or RTL for a language written from right to left, for which the window is mirrored.</extracomment>
        <translation>LTR</translation>
    </message>
    <message>
        <source>Fill the decimal box</source>
        <extracomment>What a screen reader says of a converter row&apos;s arrow that fills the row&apos;s box of dotted-decimal text from its box of dotted binary text.</extracomment>
        <translation>填写十进制框</translation>
    </message>
    <message>
        <source>Fill the binary box</source>
        <extracomment>What a screen reader says of a converter row&apos;s arrow that fills the row&apos;s box of dotted binary text from its box of dotted-decimal text.</extracomment>
        <translation>填写二进制框</translation>
    </message>
    <message>
        <source>Select %1 %2</source>
        <extracomment>What a screen reader says for a Select button: its caption, the same word as the button&apos;s &quot;Select&quot;, then the option&apos;s letter (%1, as &quot;a)&quot;) and the option (%2).</extracomment>
        <translation>选择 %1 %2</translation>
    </message>
    <message>
        <source>Verdict %1 %2</source>
        <extracomment>What a screen reader says for a verdict: the option&apos;s letter (%1, as &quot;a)&quot;), then the verdict (%2, as &quot;True&quot;).</extracomment>
        <translation>结果 %1 %2</translation>
    </message>
    <message>
        <source>Decimal address, row %1</source>
        <extracomment>A converter row&apos;s box of dotted-decimal text, as a screen reader names it; %1 is the row, 1 or 2.</extracomment>
        <translation>十进制地址，第 %1 行</translation>
    </message>
    <message>
        <source>Convert direction, row %1</source>
        <extracomment>A converter row&apos;s pair of arrows between its two boxes, as a screen reader names it.</extracomment>
        <translation>转换方向，第 %1 行</translation>
    </message>
    <message>
        <source>Left fills the decimal box, right fills the binary box</source>
        <extracomment>What the arrows do: each fills the box it points at. Right to left, the window is mirrored: the decimal box is on the right, the binary box on the left.</extracomment>
        <translation>左箭头填写十进制框，右箭头填写二进制框</translation>
    </message>
    <message>
        <source>Binary address, row %1</source>
        <extracomment>A converter row&apos;s box of dotted binary text (eight digits a part).</extracomment>
        <translation>二进制地址，第 %1 行</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>spoken verdict</comment>
        <extracomment>What a screen reader says when a verdict is revealed: the option&apos;s letter (%1, as &quot;a)&quot;), then the verdict (%2, as &quot;True&quot;).</extracomment>
        <translation>%1 %2</translation>
    </message>
</context>
<context>
    <name>web::Page</name>
    <message>
        <source>The page could not load. Check the connection, then try again.</source>
        <extracomment>Shown on the web page when its program or one of its files could not be fetched, over a button that loads the page again.</extracomment>
        <translation>无法加载页面。请检查网络连接，然后重试。</translation>
    </message>
    <message>
        <source>Try again</source>
        <extracomment>The button under that message, which loads the web page again.</extracomment>
        <translation>重试</translation>
    </message>
</context>
</TS>
