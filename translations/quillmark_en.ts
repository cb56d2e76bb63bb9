<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>DialogPack</name>
    <message>
        <source>关于 Quillmark</source>
        <translation>About Quillmark</translation>
    </message>
    <message>
        <source>Quillmark 标志</source>
        <translation>Quillmark logo</translation>
    </message>
    <message>
        <source>印章的设计、编辑、打印与导出</source>
        <translation>Designing, editing, printing and exporting seals</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Windows矢量图（EMF）</source>
        <translation>Windows metafile (EMF)</translation>
    </message>
    <message>
        <source>JPEG压缩影像（JPG）</source>
        <translation>JPEG compressed image (JPG)</translation>
    </message>
    <message>
        <source>CompuServe GIF（GIF）</source>
        <translation>CompuServe GIF (GIF)</translation>
    </message>
    <message>
        <source>Tag影像（TIFF）</source>
        <translation>Tagged image (TIFF)</translation>
    </message>
    <message>
        <source>Windows位图（BMP）</source>
        <translation>Windows bitmap (BMP)</translation>
    </message>
    <message>
        <source>PNG透明图象（PNG）</source>
        <translation>PNG transparent image (PNG)</translation>
    </message>
    <message>
        <source>SVG矢量图（SVG）</source>
        <translation>SVG vector image (SVG)</translation>
    </message>
    <message>
        <source>PDF文档（PDF）</source>
        <translation>PDF document (PDF)</translation>
    </message>
    <message>
        <source>%1 像素/毫米（%2 dpi）</source>
        <translation>%1 pixels/mm (%2 dpi)</translation>
    </message>
    <message>
        <source>导出为图象</source>
        <translation>Export as Picture</translation>
    </message>
    <message>
        <source>导出精度</source>
        <translation>Export resolution</translation>
    </message>
    <message>
        <source>图象格式</source>
        <translation>Picture format</translation>
    </message>
    <message>
        <source>镜像（左右翻转）(&amp;M)</source>
        <translation>&amp;Mirror (flip left to right)</translation>
    </message>
    <message>
        <source>镜像</source>
        <translation>Mirror</translation>
    </message>
    <message>
        <source>放到剪贴板上，不写文件(&amp;C)</source>
        <translation>Put on the &amp;clipboard instead of a file</translation>
    </message>
    <message>
        <source>放到剪贴板</source>
        <translation>Put on the clipboard</translation>
    </message>
    <message>
        <source>TIFF 格式的图象只能保存为文件</source>
        <translation>TIFF pictures can only be saved as files</translation>
    </message>
    <message>
        <source>导出精度(&amp;R)：</source>
        <translation>Export &amp;resolution:</translation>
    </message>
    <message>
        <source>图象格式(&amp;F)：</source>
        <translation>Picture &amp;format:</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Quillmark 8 使用帮助</source>
        <translation>Quillmark 8 Help</translation>
    </message>
    <message>
        <source>Quillmark 用来设计、编辑、打印和导出印章：圆形与椭圆形公章、方章、三角章、菱形章、个人名章，以及直线、圆弧、文字、五角星、表格和图片等绘图元素。页面上的一切都以毫米为单位，屏幕、纸张和导出的图片尺寸一致。</source>
        <translation>Quillmark designs, edits, prints and exports seals: round and oval official seals, square, triangular and rhombic seals, personal name seals, and drawing elements such as lines, arcs, texts, five-pointed stars, tables and pictures. Everything on the page is measured in millimetres, so the screen, the paper and exported pictures have the same size.</translation>
    </message>
    <message>
        <source>文档</source>
        <translation>Documents</translation>
    </message>
    <message>
        <source>“文件”菜单新建、打开、保存和关闭印章文档（*.dyz）。每个文档是一张纸，纸张大小和页边距取自当前打印机。修改过的文档在关闭前会询问是否保存。</source>
        <translation>The “File” menu creates, opens, saves and closes seal documents (*.dyz). Each document is one sheet of paper whose size and margins come from the current printer. Before a modified document closes, you are asked whether to save it.</translation>
    </message>
    <message>
        <source>放置印章与元素</source>
        <translation>Placing seals and elements</translation>
    </message>
    <message>
        <source>在绘图工具栏或“绘图”菜单中选择一种印章或元素，再在页面上单击，新元素即以单击点为中心放下，并使用工具栏上选定的字体和工具栏颜色方块的颜色。切换按钮在“绘图模式”和“印章模式”两组工具之间切换。</source>
        <translation>Choose a seal or element on the drawing tools palette or in the “Draw” menu, then click on the page: the new element is placed centred on the click, in the font chosen on the toolbar and the colour of the palette's colour square. The switch button changes between the “drawing” and the “seal” set of tools.</translation>
    </message>
    <message>
        <source>选择和修改</source>
        <translation>Selecting and changing</translation>
    </message>
    <message>
        <source>单击元素选中它，拖动八个手柄改变大小，拖动元素本身移动它。</source>
        <translation>Click an element to select it, drag one of its eight handles to resize it, and drag the element itself to move it.</translation>
    </message>
    <message>
        <source>在空白处拖出矩形可一次选中多个元素。</source>
        <translation>Drag a rectangle on an empty spot to select several elements at once.</translation>
    </message>
    <message>
        <source>剪切、复制、粘贴在各文档之间传递印章；“置前”“置后”改变叠放次序；“锁定”防止误移动。</source>
        <translation>Cut, copy and paste carry seals between documents; “Bring to Front” and “Send to Back” change the stacking order; “Lock” prevents accidental moves.</translation>
    </message>
    <message>
        <source>属性窗口显示所选元素的全部属性：文字、字体、字号、字距、角度、边框和线宽、编码、徽标、颜色以及阴阳章。修改立即生效。</source>
        <translation>The property window shows every property of the selected element: texts, fonts, character sizes, spacing, angles, frames and line widths, code, emblem, colour, and positive or negative. Changes take effect at once.</translation>
    </message>
    <message>
        <source>徽标集与印章库</source>
        <translation>Emblems and the seal library</translation>
    </message>
    <message>
        <source>工具栏右侧的“徽标集”标签打开内置徽标和“我的徽标库”文件夹中的图片；双击一个徽标，把它放进当前印章的中心。“印章库”标签列出保存的印章，双击即插入当前文档；“加入印章库”把所选印章存为一项。</source>
        <translation>The “Emblems” tab at the right of the toolbar opens the built-in emblems and the pictures in the “我的徽标库” folder; double-click an emblem to put it in the centre of the current seal. The “Seal Library” tab lists the saved seals; double-click one to insert it into the current document. “Add to Library” stores the selected seals as one item.</translation>
    </message>
    <message>
        <source>打印和导出</source>
        <translation>Printing and exporting</translation>
    </message>
    <message>
        <source>“打印预览”按实际尺寸显示页面；打印时可选择彩色或黑色、正常或镜像以及份数。“导出图片”把所选印章写成 EMF、JPEG、GIF、TIFF 或位图文件，也可以放到剪贴板上，分辨率可选。</source>
        <translation>“Print Preview” shows the page at its true size; when printing you choose colour or black, normal or mirrored, and the number of copies. “Export as Picture” writes the chosen seals as an EMF, JPEG, GIF, TIFF or bitmap file, or puts them on the clipboard, at the resolution you choose.</translation>
    </message>
    <message>
        <source>缩放和视图</source>
        <translation>Zoom and view</translation>
    </message>
    <message>
        <source>工具栏上的缩放列表从 25% 到 600%；也可以使用放大、缩小和手形工具。状态栏显示鼠标在纸上的位置（毫米）、文档状态和已画图形的数目。</source>
        <translation>The zoom list on the toolbar runs from 25% to 600%; the zoom in, zoom out and hand tools work too. The status bar shows the mouse position on the paper (in millimetres), the document's state and the number of elements drawn.</translation>
    </message>
    <message>
        <source>Quillmark 帮助</source>
        <translation>Quillmark Help</translation>
    </message>
    <message>
        <source>帮助内容</source>
        <translation>Help contents</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>打印设置</source>
        <translation>Print Settings</translation>
    </message>
    <message>
        <source>印色</source>
        <translation>Ink</translation>
    </message>
    <message>
        <source>彩色：按印章自己的颜色(&amp;C)</source>
        <translation>&amp;Colour: in the seals' own colours</translation>
    </message>
    <message>
        <source>彩色</source>
        <translation>Colour</translation>
    </message>
    <message>
        <source>黑色(&amp;B)</source>
        <translation>&amp;Black</translation>
    </message>
    <message>
        <source>黑色</source>
        <translation>Black</translation>
    </message>
    <message>
        <source>镜像打印（左右翻转）(&amp;M)</source>
        <translation>&amp;Mirrored printing (flipped left to right)</translation>
    </message>
    <message>
        <source>镜像打印</source>
        <translation>Mirrored printing</translation>
    </message>
    <message>
        <source>份数</source>
        <translation>Copies</translation>
    </message>
    <message>
        <source>份数(&amp;N)：</source>
        <translation>&amp;Number of copies:</translation>
    </message>
    <message>
        <source>打印</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>该资源已缺失！</source>
        <translation>This resource is missing!</translation>
    </message>
    <message>
        <source>帮助资源缺失！</source>
        <translation>The help is missing!</translation>
    </message>
    <message>
        <source>文件缺失！</source>
        <translation>A file is missing!</translation>
    </message>
</context>
<context>
    <name>Document</name>
    <message>
        <source>文件不存在！</source>
        <translation>The file does not exist!</translation>
    </message>
    <message>
        <source>Quillmark %1.x+保存的文件，不能打开！</source>
        <translation>This file was saved by Quillmark %1.x or later and cannot be opened!</translation>
    </message>
    <message>
        <source>&lt;%1&gt;文件不是Quillmark<byte value="xd"/>格式文档，打开失败！</source>
        <translation>&lt;%1&gt; is not a Quillmark<byte value="xd"/>document and could not be opened!</translation>
    </message>
    <message>
        <source>&lt;%1&gt;不是普通文件，无法打开。</source>
        <translation>&lt;%1&gt; is not a regular file and cannot be opened.</translation>
    </message>
    <message>
        <source>不能写入文件&lt;%1&gt;：%2</source>
        <translation>Cannot write the file &lt;%1&gt;: %2</translation>
    </message>
    <message>
        <source>磁盘已满</source>
        <translation>the disk is full</translation>
    </message>
    <message>
        <source>不能保存文件&lt;%1&gt;：%2</source>
        <translation>Cannot save the file &lt;%1&gt;: %2</translation>
    </message>
    <message>
        <source>不能生成印章库缩略图：</source>
        <translation>Cannot make the library thumbnail: </translation>
    </message>
    <message>
        <source>有%1个印章，超过%2个的上限。</source>
        <translation>There are %1 seals, more than the limit of %2.</translation>
    </message>
    <message>
        <source>第%1个印章的值超出范围（%2）。</source>
        <translation>A value of seal %1 is out of range (%2).</translation>
    </message>
    <message>
        <source>图片共需%1万像素，超过每个文档%2万像素的上限。</source>
        <translation>The pictures need %1 × 10,000 pixels, more than the limit of %2 × 10,000 pixels per document.</translation>
    </message>
    <message>
        <source>文件将超过%1字节的上限。</source>
        <translation>The file would exceed the limit of %1 bytes.</translation>
    </message>
    <message>
        <source>纸张大小或页边距超出范围。</source>
        <translation>The paper size or the margins are out of range.</translation>
    </message>
    <message>
        <source>正在保存：</source>
        <translation>Saving:</translation>
    </message>
    <message>
        <source>正在载入：</source>
        <translation>Loading:</translation>
    </message>
    <message>
        <source>没有选中的印章</source>
        <translation>no seal is selected</translation>
    </message>
    <message>
        <source>印章太大</source>
        <translation>The seals are too large</translation>
    </message>
    <message>
        <source>印章太多，不能加入：文档将有%1个印章，超过%2个的上限。</source>
        <translation>Too many seals to add: the document would have %1 seals, more than the limit of %2.</translation>
    </message>
    <message>
        <source>图片太大，不能加入：文档的图片将超过每个文档%1万像素的上限。</source>
        <translation>The pictures are too large to add: the document's pictures would exceed the limit of %1 × 10,000 pixels per document.</translation>
    </message>
    <message>
        <source>文档的图片共需%1万像素，超过每个文档%2万像素的上限。</source>
        <translation>the document's pictures need %1 × 10,000 pixels, more than the limit of %2 × 10,000 pixels per document.</translation>
    </message>
    <message>
        <source>图片太大，不能加入：</source>
        <translation>The pictures are too large to add: </translation>
    </message>
    <message>
        <source>图片太大，不能加入：加入%1×%2像素的图片后，</source>
        <translation>The pictures are too large to add: with the %1×%2 pixel picture, </translation>
    </message>
    <message>
        <source>左对齐</source>
        <translation>Align Left</translation>
    </message>
    <message>
        <source>右对齐</source>
        <translation>Align Right</translation>
    </message>
    <message>
        <source>顶端对齐</source>
        <translation>Align Top</translation>
    </message>
    <message>
        <source>底端对齐</source>
        <translation>Align Bottom</translation>
    </message>
    <message>
        <source>水平居中对齐</source>
        <translation>Align Horizontal Centres</translation>
    </message>
    <message>
        <source>垂直居中对齐</source>
        <translation>Align Vertical Centres</translation>
    </message>
    <message>
        <source>水平等间距</source>
        <translation>Space Evenly Horizontally</translation>
    </message>
    <message>
        <source>垂直等间距</source>
        <translation>Space Evenly Vertically</translation>
    </message>
    <message>
        <source>请给印章提供一个名字！</source>
        <translation>Please give the seal a name!</translation>
    </message>
    <message>
        <source>章名不能含有 \ / : * ? &quot; &lt; &gt; | 等字符。</source>
        <translation>A seal name cannot contain characters such as \ / : * ? " &lt; &gt; |.</translation>
    </message>
    <message>
        <source>章名不能含有控制字符。</source>
        <translation>A seal name cannot contain control characters.</translation>
    </message>
    <message>
        <source>章名不能含有“..”。</source>
        <translation>A seal name cannot contain “..”.</translation>
    </message>
    <message>
        <source>章名不能以空格或句点开头或结尾。</source>
        <translation>A seal name cannot begin or end with a space or a full stop.</translation>
    </message>
    <message>
        <source>章名太长。</source>
        <translation>The seal name is too long.</translation>
    </message>
    <message>
        <source>无法读取徽标文件&lt;%1&gt;。</source>
        <translation>Cannot read the emblem file &lt;%1&gt;.</translation>
    </message>
    <message>
        <source>&lt;%1&gt;不是可以识别的图片。</source>
        <translation>&lt;%1&gt; is not a picture that can be recognised.</translation>
    </message>
</context>
<context>
    <name>Export</name>
    <message>
        <source>导出精度无效。</source>
        <translation>The export resolution is not valid.</translation>
    </message>
    <message>
        <source>导出图象太大，系统无法处理！<byte value="xd"/><byte value="xd"/>您可以这样来解决：<byte value="xd"/><byte value="xd"/>  A、图象导出精度适当降低；<byte value="xd"/><byte value="xd"/>  B、页面上选择面积适当减小；</source>
        <translation>The exported picture is too large for the system!<byte value="xd"/><byte value="xd"/>You can:<byte value="xd"/><byte value="xd"/>  A. lower the export resolution;<byte value="xd"/><byte value="xd"/>  B. select a smaller area of the page.</translation>
    </message>
    <message>
        <source>导出图象的宽度或高度超出了该图象格式的限制，请降低导出精度或选择其他格式。</source>
        <translation>The width or height of the exported picture exceeds the limits of this picture format; please lower the export resolution or choose another format.</translation>
    </message>
    <message>
        <source>无法创建文件。</source>
        <translation>Cannot create the file.</translation>
    </message>
    <message>
        <source>写入文件失败。</source>
        <translation>Writing the file failed.</translation>
    </message>
    <message>
        <source>图象编码失败。</source>
        <translation>Encoding the picture failed.</translation>
    </message>
    <message>
        <source>Windows矢量图(*.emf)|*.emf</source>
        <translation>Windows metafile (*.emf)|*.emf</translation>
    </message>
    <message>
        <source>JPEG压缩影像(*.jpg)|*.jpg</source>
        <translation>JPEG compressed image (*.jpg)|*.jpg</translation>
    </message>
    <message>
        <source>CompuServe GIF(*.gif)|*.gif</source>
        <translation>CompuServe GIF (*.gif)|*.gif</translation>
    </message>
    <message>
        <source>Tag影像(*.tiff)|*.tiff</source>
        <translation>Tagged image (*.tiff)|*.tiff</translation>
    </message>
    <message>
        <source>Windows位图(*.bmp)|*.bmp</source>
        <translation>Windows bitmap (*.bmp)|*.bmp</translation>
    </message>
    <message>
        <source>PNG透明图象(*.png)|*.png</source>
        <translation>PNG transparent image (*.png)|*.png</translation>
    </message>
    <message>
        <source>SVG矢量图(*.svg)|*.svg</source>
        <translation>SVG vector image (*.svg)|*.svg</translation>
    </message>
    <message>
        <source>PDF文档(*.pdf)|*.pdf</source>
        <translation>PDF document (*.pdf)|*.pdf</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>内存不足，操作未完成。</source>
        <translation>Out of memory: the operation was not completed.</translation>
    </message>
    <message>
        <source>未知错误</source>
        <translation>Unknown error</translation>
    </message>
    <message>
        <source>Quillmark 正在%1</source>
        <translation>Quillmark: %1</translation>
    </message>
    <message>
        <source> 水平坐标：</source>
        <translation> X: </translation>
    </message>
    <message>
        <source> 水平坐标：-000.0mm</source>
        <translation> X: -000.0mm</translation>
    </message>
    <message>
        <source>垂直坐标：</source>
        <translation>Y: </translation>
    </message>
    <message>
        <source>垂直坐标：-000.0mm</source>
        <translation>Y: -000.0mm</translation>
    </message>
    <message>
        <source>文件状态：</source>
        <translation>File: </translation>
    </message>
    <message>
        <source>文件状态：已修改</source>
        <translation>File: modified</translation>
    </message>
    <message>
        <source>已画图形：</source>
        <translation>Elements: </translation>
    </message>
    <message>
        <source>已画图形：00000</source>
        <translation>Elements: 00000</translation>
    </message>
    <message>
        <source>进度</source>
        <translation>Progress</translation>
    </message>
    <message>
        <source>正在载入：</source>
        <translation>Loading:</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>页面</source>
        <translation>Page</translation>
    </message>
    <message>
        <source>&lt;%1&gt;文件不存在！</source>
        <translation>The file &lt;%1&gt; does not exist!</translation>
    </message>
    <message>
        <source>&lt;%1&gt;不是普通文件，无法打开。</source>
        <translation>&lt;%1&gt; is not a regular file and cannot be opened.</translation>
    </message>
    <message>
        <source>&lt;%1&gt;文件太大，无法打开。</source>
        <translation>&lt;%1&gt; is too large to open.</translation>
    </message>
    <message>
        <source>&lt;%1&gt;无法读取：%2</source>
        <translation>&lt;%1&gt; cannot be read: %2</translation>
    </message>
    <message>
        <source>宽 %1 毫米，高 %2 毫米，中心水平坐标 %3 毫米，垂直坐标 %4 毫米</source>
        <translation>width %1 mm, height %2 mm, centre at x %3 mm, y %4 mm</translation>
    </message>
</context>
<context>
    <name>PdfStamp</name>
    <message>
        <source>页码“%1”无法识别。</source>
        <translation>The page list “%1” is not understood.</translation>
    </message>
    <message>
        <source>第%1页不存在（文件共%2页）。</source>
        <translation>There is no page %1 (the file has %2 pages).</translation>
    </message>
    <message>
        <source>第%1页选了两次。</source>
        <translation>Page %1 is chosen twice.</translation>
    </message>
    <message>
        <source>&lt;%1&gt;不是PDF文件或已损坏，无法打开。</source>
        <translation>&lt;%1&gt; is not a PDF file or is damaged; it cannot be opened.</translation>
    </message>
    <message>
        <source>文件&lt;%1&gt;不存在！</source>
        <translation>The file &lt;%1&gt; does not exist!</translation>
    </message>
    <message>
        <source>&lt;%1&gt;不是普通文件，无法打开。</source>
        <translation>&lt;%1&gt; is not a regular file and cannot be opened.</translation>
    </message>
    <message>
        <source>&lt;%1&gt;太大，无法打开（最多%2 MB）。</source>
        <translation>&lt;%1&gt; is too large to open (at most %2 MB).</translation>
    </message>
    <message>
        <source>不能读取文件&lt;%1&gt;：%2</source>
        <translation>Cannot read the file &lt;%1&gt;: %2</translation>
    </message>
    <message>
        <source>&lt;%1&gt;已加密，盖章后写出的文件会失去它的权限设置，不能盖章。</source>
        <translation>&lt;%1&gt; is encrypted; the stamped file would lose its permission settings, so it is not stamped.</translation>
    </message>
    <message>
        <source>&lt;%1&gt;有密码保护，不能盖章。</source>
        <translation>&lt;%1&gt; is protected by a password and cannot be stamped.</translation>
    </message>
    <message>
        <source>印章无法画出。</source>
        <translation>The seal cannot be drawn.</translation>
    </message>
    <message>
        <source>不透明度应在0到1之间。</source>
        <translation>The opacity must lie between 0 and 1.</translation>
    </message>
    <message>
        <source>没有要盖的印章。</source>
        <translation>There is no seal to stamp.</translation>
    </message>
    <message>
        <source>输出文件不能是输入文件&lt;%1&gt;本身。</source>
        <translation>The output file cannot be the input file &lt;%1&gt; itself.</translation>
    </message>
    <message>
        <source>第%1个印章不存在（文档共%2个印章）。</source>
        <translation>There is no seal %1 (the document has %2 seals).</translation>
    </message>
    <message>
        <source>第%1页上（%2, %3）毫米处的印章超出了页面。</source>
        <translation>The seal at (%2, %3) mm on page %1 runs off the page.</translation>
    </message>
    <message>
        <source>骑缝章要盖在两页或更多页上，只选了一页时不盖骑缝章。</source>
        <translation>A cross-page seal needs two pages or more; with one page chosen there is no cross-page seal.</translation>
    </message>
    <message>
        <source>骑缝章在第%1页上（高%2毫米处）超出了页面。</source>
        <translation>The cross-page seal at %2 mm down runs off page %1.</translation>
    </message>
    <message>
        <source>不能写入文件&lt;%1&gt;：%2</source>
        <translation>Cannot write the file &lt;%1&gt;: %2</translation>
    </message>
</context>
<context>
    <name>Picture</name>
    <message>
        <source>图象为空，无法保存为GIF。</source>
        <translation>The picture is empty and cannot be saved as GIF.</translation>
    </message>
    <message>
        <source>图象的宽或高超过65535像素，无法保存为GIF。</source>
        <translation>The picture is wider or taller than 65535 pixels and cannot be saved as GIF.</translation>
    </message>
    <message>
        <source>GIF编码失败。</source>
        <translation>GIF encoding failed.</translation>
    </message>
    <message>
        <source>GIF文件写入失败。</source>
        <translation>Writing the GIF file failed.</translation>
    </message>
</context>
<context>
    <name>PrintWindow</name>
    <message>
        <source>打印机设置</source>
        <translation>Printer Setup</translation>
    </message>
    <message>
        <source>打印预览页面</source>
        <translation>Print preview page</translation>
    </message>
    <message>
        <source>校准标尺：两条刻度线各长 100 毫米，请量出实际长度。</source>
        <translation>Calibration ruler: each of the two scales is 100 mm long; please measure their real length.</translation>
    </message>
    <message>
        <source>新校正值（‰）= (1000 + 原校正值) × 100 ÷ 量得毫米数 − 1000</source>
        <translation>New correction (‰) = (1000 + old correction) × 100 ÷ measured millimetres − 1000</translation>
    </message>
    <message>
        <source>DLL文件错误！</source>
        <translation>The dialog component is faulty!</translation>
    </message>
    <message>
        <source>文件损坏，请重新安装该程序！</source>
        <translation>A file is damaged; please reinstall the program!</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>第%1个印章</source>
        <translation>seal %1</translation>
    </message>
    <message>
        <source>第%1个印章“%2”</source>
        <translation>seal %1 “%2”</translation>
    </message>
    <message>
        <source>%1（%2 x %3 毫米）在打印机的分辨率下太大，<byte value="xd"/>内存不足以生成它的镜像，什么也没有打印。</source>
        <translation>%1 (%2 x %3 mm) is too large at the printer's resolution;<byte value="xd"/>there is not enough memory to mirror it. Nothing was printed.</translation>
    </message>
    <message>
        <source>打印机无法开始打印，什么也没有打印。</source>
        <translation>The printer could not start printing; nothing was printed.</translation>
    </message>
    <message>
        <source>内存不足，打印没有完成，什么也没有打印。</source>
        <translation>Out of memory: printing did not finish and nothing was printed.</translation>
    </message>
    <message>
        <source>打印文件没有写完，打印没有完成。</source>
        <translation>The print file was not written completely; printing did not finish.</translation>
    </message>
</context>
<context>
    <name>Properties</name>
    <message>
        <source>横向定位：</source>
        <translation>Horizontal:</translation>
    </message>
    <message>
        <source>纵向定位：</source>
        <translation>Vertical:</translation>
    </message>
    <message>
        <source>线    宽：</source>
        <translation>Line width:</translation>
    </message>
    <message>
        <source>宽    度：</source>
        <translation>Width:</translation>
    </message>
    <message>
        <source>高    度：</source>
        <translation>Height:</translation>
    </message>
    <message>
        <source>边框类型：</source>
        <translation>Frame type:</translation>
    </message>
    <message>
        <source>三角形顶点在上</source>
        <translation>Triangle apex at the top</translation>
    </message>
    <message>
        <source>弧线闭合成扇形</source>
        <translation>Close the arc as a sector</translation>
    </message>
    <message>
        <source>起始角度：</source>
        <translation>Start angle:</translation>
    </message>
    <message>
        <source>间    距：</source>
        <translation>Spacing:</translation>
    </message>
    <message>
        <source>终止角度：</source>
        <translation>End angle:</translation>
    </message>
    <message>
        <source>水平偏移：</source>
        <translation>Horizontal offset:</translation>
    </message>
    <message>
        <source>垂直偏移：</source>
        <translation>Vertical offset:</translation>
    </message>
    <message>
        <source>颜色跟随画笔</source>
        <translation>Colour follows the pen</translation>
    </message>
    <message>
        <source>图象透明白色</source>
        <translation>White is transparent</translation>
    </message>
    <message>
        <source>条    数：</source>
        <translation>Count:</translation>
    </message>
    <message>
        <source>环排角度：</source>
        <translation>Ring angle:</translation>
    </message>
    <message>
        <source>直线/贝塞尔曲线</source>
        <translation>Straight / Bézier lines</translation>
    </message>
    <message>
        <source>纹线破边框外沿</source>
        <translation>Lines break the frame's outer edge</translation>
    </message>
    <message>
        <source>纹线破边框内沿</source>
        <translation>Lines break the frame's inner edge</translation>
    </message>
    <message>
        <source>文字：</source>
        <translation>Text:</translation>
    </message>
    <message>
        <source>字体：</source>
        <translation>Font:</translation>
    </message>
    <message>
        <source>编码字宽：</source>
        <translation>Code char width:</translation>
    </message>
    <message>
        <source>编码字高：</source>
        <translation>Code char height:</translation>
    </message>
    <message>
        <source>编码长度：</source>
        <translation>Code length:</translation>
    </message>
    <message>
        <source>离主边框：</source>
        <translation>From frame:</translation>
    </message>
    <message>
        <source>环绕角度：</source>
        <translation>Ring angle:</translation>
    </message>
    <message>
        <source>笔画加粗：</source>
        <translation>Stroke bolding:</translation>
    </message>
    <message>
        <source>空心轮廓字</source>
        <translation>Outline characters</translation>
    </message>
    <message>
        <source>斜体字</source>
        <translation>Italic</translation>
    </message>
    <message>
        <source>编码在边框上</source>
        <translation>Code on the frame</translation>
    </message>
    <message>
        <source>编码在印章上部</source>
        <translation>Code at the top of the seal</translation>
    </message>
    <message>
        <source>外框线宽：</source>
        <translation>Border width:</translation>
    </message>
    <message>
        <source>分割线宽：</source>
        <translation>Divider width:</translation>
    </message>
    <message>
        <source>表格宽度：</source>
        <translation>Table width:</translation>
    </message>
    <message>
        <source>表格高度：</source>
        <translation>Table height:</translation>
    </message>
    <message>
        <source>表格行数：</source>
        <translation>Rows:</translation>
    </message>
    <message>
        <source>表格列数：</source>
        <translation>Columns:</translation>
    </message>
    <message>
        <source>切角尺寸：</source>
        <translation>Chamfer size:</translation>
    </message>
    <message>
        <source>直线倾角：</source>
        <translation>Line slant:</translation>
    </message>
    <message>
        <source>字    宽：</source>
        <translation>Char width:</translation>
    </message>
    <message>
        <source>字    高：</source>
        <translation>Char height:</translation>
    </message>
    <message>
        <source>行 列 数：</source>
        <translation>Rows/columns:</translation>
    </message>
    <message>
        <source>倾    角：</source>
        <translation>Slant:</translation>
    </message>
    <message>
        <source>细瘦文字笔画</source>
        <translation>Thin text strokes</translation>
    </message>
    <message>
        <source>横排 [竖排]</source>
        <translation>In rows [in columns]</translation>
    </message>
    <message>
        <source>左排 [右排]</source>
        <translation>From left [from right]</translation>
    </message>
    <message>
        <source>环排 [平排]</source>
        <translation>On a ring [straight]</translation>
    </message>
    <message>
        <source>弧顶在上 [下]</source>
        <translation>Arc top up [down]</translation>
    </message>
    <message>
        <source>中心定位[mm]</source>
        <translation>Centre position [mm]</translation>
    </message>
    <message>
        <source>主边框[mm]</source>
        <translation>Main frame [mm]</translation>
    </message>
    <message>
        <source>主边框衬线[mm]</source>
        <translation>Frame lining [mm]</translation>
    </message>
    <message>
        <source>转轮框、中心线[mm]</source>
        <translation>Date frame, centre lines [mm]</translation>
    </message>
    <message>
        <source>内边框[mm]</source>
        <translation>Inner frame [mm]</translation>
    </message>
    <message>
        <source>图符[mm]</source>
        <translation>Emblem [mm]</translation>
    </message>
    <message>
        <source>纹线[mm]</source>
        <translation>Pattern lines [mm]</translation>
    </message>
    <message>
        <source>印章文字[mm]</source>
        <translation>Seal texts [mm]</translation>
    </message>
    <message>
        <source>印章编码[mm]</source>
        <translation>Seal code [mm]</translation>
    </message>
    <message>
        <source>表格[mm]</source>
        <translation>Table [mm]</translation>
    </message>
    <message>
        <source>弧线角度[dg.]</source>
        <translation>Arc angles [deg.]</translation>
    </message>
</context>
<context>
    <name>Seal</name>
    <message>
        <source>第%1个印章</source>
        <translation>seal %1</translation>
    </message>
    <message>
        <source>第%1个印章“%2”</source>
        <translation>seal %1 “%2”</translation>
    </message>
    <message>
        <source>%1：字体“%2”缺少“%3”</source>
        <translation>%1: font “%2” lacks “%3”</translation>
    </message>
</context>
<context>
    <name>Tools</name>
    <message>
        <source>水平线|水平线</source>
        <translation>Horizontal line|Horizontal line</translation>
    </message>
    <message>
        <source>竖直线|竖直线</source>
        <translation>Vertical line|Vertical line</translation>
    </message>
    <message>
        <source>任意直线|任意直线</source>
        <translation>Line at any angle|Line at any angle</translation>
    </message>
    <message>
        <source>弧线或扇形|弧线或扇形</source>
        <translation>Arc or sector|Arc or sector</translation>
    </message>
    <message>
        <source>圆或椭圆|圆或椭圆</source>
        <translation>Circle or ellipse|Circle or ellipse</translation>
    </message>
    <message>
        <source>矩形|矩形</source>
        <translation>Rectangle|Rectangle</translation>
    </message>
    <message>
        <source>圆角矩形|圆角矩形</source>
        <translation>Rounded rectangle|Rounded rectangle</translation>
    </message>
    <message>
        <source>切角矩形</source>
        <translation>Chamfered rectangle</translation>
    </message>
    <message>
        <source>三角形|三角形</source>
        <translation>Triangle|Triangle</translation>
    </message>
    <message>
        <source>菱形|菱形</source>
        <translation>Rhomb|Rhomb</translation>
    </message>
    <message>
        <source>水平文字|水平文字</source>
        <translation>Horizontal text|Horizontal text</translation>
    </message>
    <message>
        <source>环排文字|环排文字</source>
        <translation>Ring text|Text on a ring</translation>
    </message>
    <message>
        <source>任意角度文字|任意角度文字</source>
        <translation>Text at any angle|Text at any angle</translation>
    </message>
    <message>
        <source>矢量五星|矢量五星</source>
        <translation>Five-pointed star|Five-pointed star</translation>
    </message>
    <message>
        <source>表格|表格</source>
        <translation>Table|Table</translation>
    </message>
    <message>
        <source>从文件装载图象|从文件装载图象</source>
        <translation>Picture from a file|Load a picture from a file</translation>
    </message>
    <message>
        <source>圆公章(&amp;A)</source>
        <translation>&amp;Round Official Seal</translation>
    </message>
    <message>
        <source>圆公章|圆公章</source>
        <translation>Round official seal|Round official seal</translation>
    </message>
    <message>
        <source>圆财务专用章</source>
        <translation>Round Finance Seal</translation>
    </message>
    <message>
        <source>圆财务专用章|圆财务专用章</source>
        <translation>Round finance seal|Round finance seal</translation>
    </message>
    <message>
        <source>圆转轮印章(一)</source>
        <translation>Round Date Seal (1)</translation>
    </message>
    <message>
        <source>圆转轮印章(1)|圆转轮印章(1)</source>
        <translation>Round date seal (1)|Round date seal (1)</translation>
    </message>
    <message>
        <source>圆转轮印章(二)</source>
        <translation>Round Date Seal (2)</translation>
    </message>
    <message>
        <source>圆转轮印章(2)|圆转轮印章(2)</source>
        <translation>Round date seal (2)|Round date seal (2)</translation>
    </message>
    <message>
        <source>椭圆印章</source>
        <translation>Oval Seal</translation>
    </message>
    <message>
        <source>椭圆印章|椭圆印章</source>
        <translation>Oval seal|Oval seal</translation>
    </message>
    <message>
        <source>发票专用章</source>
        <translation>Invoice Seal</translation>
    </message>
    <message>
        <source>发票专用章|发票专用章</source>
        <translation>Invoice seal|Invoice seal</translation>
    </message>
    <message>
        <source>椭圆转轮(一)</source>
        <translation>Oval Date Seal (1)</translation>
    </message>
    <message>
        <source>椭圆转轮印章(1)|椭圆转轮印章(1)</source>
        <translation>Oval date seal (1)|Oval date seal (1)</translation>
    </message>
    <message>
        <source>椭圆转轮(二)</source>
        <translation>Oval Date Seal (2)</translation>
    </message>
    <message>
        <source>椭圆转轮印章(2)|椭圆转轮印章(2)</source>
        <translation>Oval date seal (2)|Oval date seal (2)</translation>
    </message>
    <message>
        <source>方财务专用章</source>
        <translation>Square Finance Seal</translation>
    </message>
    <message>
        <source>方财务专用章|方财务专用章</source>
        <translation>Square finance seal|Square finance seal</translation>
    </message>
    <message>
        <source>增值税条章</source>
        <translation>VAT Strip Seal</translation>
    </message>
    <message>
        <source>增值税章|增值税章</source>
        <translation>VAT seal|VAT strip seal</translation>
    </message>
    <message>
        <source>方转轮印(一)</source>
        <translation>Square Date Seal (1)</translation>
    </message>
    <message>
        <source>方转轮印章(1)|方转轮印章(1)</source>
        <translation>Square date seal (1)|Square date seal (1)</translation>
    </message>
    <message>
        <source>方转轮印(二)</source>
        <translation>Square Date Seal (2)</translation>
    </message>
    <message>
        <source>方转轮印章(2)|方转轮印章(2)</source>
        <translation>Square date seal (2)|Square date seal (2)</translation>
    </message>
    <message>
        <source>菱形印章</source>
        <translation>Rhombic Seal</translation>
    </message>
    <message>
        <source>菱形印章|菱形印章</source>
        <translation>Rhombic seal|Rhombic seal</translation>
    </message>
    <message>
        <source>三角印章</source>
        <translation>Triangular Seal</translation>
    </message>
    <message>
        <source>三角印章|三角印章</source>
        <translation>Triangular seal|Triangular seal</translation>
    </message>
    <message>
        <source>四字名章</source>
        <translation>Four-Character Name Seal</translation>
    </message>
    <message>
        <source>四字方章|四字方章</source>
        <translation>Four-character square seal|Four-character square name seal</translation>
    </message>
    <message>
        <source>左一右二方章</source>
        <translation>Square Seal, One Left Two Right</translation>
    </message>
    <message>
        <source>左一右二方章|左一右二方章</source>
        <translation>Square seal, one left two right|Square name seal: one character left, two right</translation>
    </message>
    <message>
        <source>左二右一方章</source>
        <translation>Square Seal, Two Left One Right</translation>
    </message>
    <message>
        <source>左二右一方章|左二右一方章</source>
        <translation>Square seal, two left one right|Square name seal: two characters left, one right</translation>
    </message>
    <message>
        <source>横排两字方章</source>
        <translation>Square Seal, Two Across</translation>
    </message>
    <message>
        <source>横排两字方章|横排两字方章</source>
        <translation>Square seal, two across|Square name seal: two characters side by side</translation>
    </message>
    <message>
        <source>上一下二方章</source>
        <translation>Square Seal, One Above Two</translation>
    </message>
    <message>
        <source>上一下二方章|上一下二方章</source>
        <translation>Square seal, one above two|Square name seal: one character above two</translation>
    </message>
    <message>
        <source>上二下一方章</source>
        <translation>Square Seal, Two Above One</translation>
    </message>
    <message>
        <source>上二下一方章|上二下一方章</source>
        <translation>Square seal, two above one|Square name seal: two characters above one</translation>
    </message>
    <message>
        <source>竖排两字方章</source>
        <translation>Square Seal, Two Down</translation>
    </message>
    <message>
        <source>竖排两字方章|竖排两字方章</source>
        <translation>Square seal, two down|Square name seal: two characters one above the other</translation>
    </message>
    <message>
        <source>三字扁名章</source>
        <translation>Three-Character Oblong Name Seal</translation>
    </message>
    <message>
        <source>三字扁章|三字扁章</source>
        <translation>Three-character oblong seal|Three-character oblong name seal</translation>
    </message>
    <message>
        <source>两字扁名章</source>
        <translation>Two-Character Oblong Name Seal</translation>
    </message>
    <message>
        <source>两字扁章|两字扁章</source>
        <translation>Two-character oblong seal|Two-character oblong name seal</translation>
    </message>
    <message>
        <source>四字扁名章</source>
        <translation>Four-Character Oblong Name Seal</translation>
    </message>
    <message>
        <source>四字扁章|四字扁章</source>
        <translation>Four-character oblong seal|Four-character oblong name seal</translation>
    </message>
    <message>
        <source>抓移浏览|抓移浏览</source>
        <translation>Hand|Drag the page to scroll it</translation>
    </message>
    <message>
        <source>连续放大|连续放大</source>
        <translation>Zoom in|Zoom in with each click</translation>
    </message>
    <message>
        <source>连续缩小|连续缩小</source>
        <translation>Zoom out|Zoom out with each click</translation>
    </message>
</context>
<context>
    <name>qm::Autosave</name>
    <message>
        <source>自动保存失败：%1</source>
        <translation>Autosave failed: %1</translation>
    </message>
    <message>
        <source>以下文档的恢复副本无法读取，已移到“%1”：<byte value="xd"/>%2</source>
        <translation>The recovery copies of the following documents cannot be read and were moved to “%1”:<byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>以下文档的恢复副本无法读取，也无法移到“%1”，仍留在原处：<byte value="xd"/>%2</source>
        <translation>The recovery copies of the following documents cannot be read, nor moved to “%1”; they stay where they are:<byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>自动保存已关闭：无法创建文件夹%1</source>
        <translation>Autosave is off: the folder %1 cannot be created</translation>
    </message>
</context>
<context>
    <name>qm::DetailView</name>
    <message>
        <source>细节查看</source>
        <translation>Detail View</translation>
    </message>
    <message>
        <source>当前放大倍数是： </source>
        <translation>Current magnification: </translation>
    </message>
</context>
<context>
    <name>qm::DocumentWindow</name>
    <message>
        <source> 水平坐标：</source>
        <translation> X: </translation>
    </message>
    <message>
        <source>垂直坐标：</source>
        <translation>Y: </translation>
    </message>
    <message>
        <source>文件状态：已修改</source>
        <translation>File: modified</translation>
    </message>
    <message>
        <source>文件状态：未修改</source>
        <translation>File: unmodified</translation>
    </message>
    <message>
        <source>已画图形：</source>
        <translation>Elements: </translation>
    </message>
    <message>
        <source>改变大小</source>
        <translation>Resize</translation>
    </message>
    <message>
        <source>解锁印章(&amp;U)</source>
        <translation>&amp;Unlock Seal</translation>
    </message>
    <message>
        <source>锁定印章位置(&amp;L)</source>
        <translation>&amp;Lock Seal Position</translation>
    </message>
    <message>
        <source>插入模板印章</source>
        <translation>Insert Library Seal</translation>
    </message>
</context>
<context>
    <name>qm::ExportFileDialog</name>
    <message>
        <source>导出为图象</source>
        <translation>Export as Picture</translation>
    </message>
    <message>
        <source>导出图象预览</source>
        <translation>Preview of the exported picture</translation>
    </message>
    <message>
        <source>%1 × %2 像素</source>
        <translation>%1 × %2 pixels</translation>
    </message>
    <message>
        <source>图象大小</source>
        <translation>Picture size</translation>
    </message>
    <message>
        <source>文件夹“%1”不存在。</source>
        <translation>The folder “%1” does not exist.</translation>
    </message>
    <message>
        <source>“%1”是一个文件夹。</source>
        <translation>“%1” is a folder.</translation>
    </message>
    <message>
        <source>“%1”已经存在。
要替换它吗？</source>
        <translation>“%1” already exists.
Do you want to replace it?</translation>
    </message>
</context>
<context>
    <name>qm::LibraryEditDialog</name>
    <message>
        <source>库存印章</source>
        <translation>Seals in the library</translation>
    </message>
    <message>
        <source>删    除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>全部删除</source>
        <translation>Delete All</translation>
    </message>
    <message>
        <source>关    闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>编辑印章库</source>
        <translation>Edit Library</translation>
    </message>
    <message>
        <source>按钮</source>
        <translation>Buttons</translation>
    </message>
    <message>
        <source>确实要删除这些模板印章吗？</source>
        <translation>Do you really want to delete these library seals?</translation>
    </message>
    <message>
        <source>确实要删除所有模板印章吗？</source>
        <translation>Do you really want to delete all library seals?</translation>
    </message>
    <message>
        <source>下列模板印章未能删除：
</source>
        <translation>The following library seals could not be deleted:
</translation>
    </message>
</context>
<context>
    <name>qm::LibraryNameDialog</name>
    <message>
        <source>请输入一个章名：</source>
        <translation>Please enter a seal name:</translation>
    </message>
    <message>
        <source>存入(&amp;S)...</source>
        <translation>&amp;Store...</translation>
    </message>
    <message>
        <source>取  消(&amp;C)</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>保存到印章库</source>
        <translation>Save to the Seal Library</translation>
    </message>
    <message>
        <source>章名</source>
        <translation>Seal name</translation>
    </message>
    <message>
        <source>按钮</source>
        <translation>Buttons</translation>
    </message>
    <message>
        <source>存入</source>
        <translation>Store</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>qm::MainWindow</name>
    <message>
        <source>TIFF格式的图象不能放到剪贴板上，没有导出任何内容。<byte value="xd"/>请选择其他图象格式，或者不选“放到剪贴板”而保存为文件。</source>
        <translation>A TIFF picture cannot be put on the clipboard; nothing was exported.<byte value="xd"/>Please choose another picture format, or clear “Put on the clipboard” and save to a file.</translation>
    </message>
    <message>
        <source>下列印章中有字体无法显示的字符，导出的图象中这些字符将用其他字体代替或显示为空框：<byte value="xd"/><byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>是否继续导出？</source>
        <translation>Some characters of the following seals cannot be shown in their fonts; in the exported picture they will be drawn in another font or as empty boxes:<byte value="xd"/><byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>Export anyway?</translation>
    </message>
    <message>
        <source>按文件扩展名改为导出%1图象：%2</source>
        <translation>Exported as %1 after the file's extension: %2</translation>
    </message>
    <message>
        <source>文档区</source>
        <translation>Document area</translation>
    </message>
    <message>
        <source>PDF 文件 (*.pdf)</source>
        <translation>PDF files (*.pdf)</translation>
    </message>
    <message>
        <source>工具栏</source>
        <translation>Toolbar</translation>
    </message>
    <message>
        <source>显示比例</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>字体</source>
        <translation>Font</translation>
    </message>
    <message>
        <source> 字体:</source>
        <translation> Font:</translation>
    </message>
    <message>
        <source>仅中文</source>
        <translation>Chinese only</translation>
    </message>
    <message>
        <source>显示所有字体|显示所有字体</source>
        <translation>Show all fonts|Show all fonts</translation>
    </message>
    <message>
        <source>仅显示中文字体|仅显示中文字体</source>
        <translation>Show Chinese fonts only|Show Chinese fonts only</translation>
    </message>
    <message>
        <source>印章选项</source>
        <translation>Seal options</translation>
    </message>
    <message>
        <source>阳章</source>
        <translation>Positive</translation>
    </message>
    <message>
        <source>五星</source>
        <translation>Star</translation>
    </message>
    <message>
        <source>有图符</source>
        <translation>Emblem</translation>
    </message>
    <message>
        <source>侧栏</source>
        <translation>Side panel</translation>
    </message>
    <message>
        <source>徽标集</source>
        <translation>Emblems</translation>
    </message>
    <message>
        <source>印章库</source>
        <translation>Seal Library</translation>
    </message>
    <message>
        <source>检查系统配置……</source>
        <translation>checking the settings…</translation>
    </message>
    <message>
        <source>检测显示器……</source>
        <translation>checking the display…</translation>
    </message>
    <message>
        <source>    您的系统显示分辨率低于<byte value="xd"/>800 x 600,本软件可能运行不<byte value="xd"/>正常！是否退出？</source>
        <translation>    Your display resolution is below<byte value="xd"/>800 x 600; this program may not work<byte value="xd"/>properly! Quit now?</translation>
    </message>
    <message>
        <source>查找打印机……</source>
        <translation>looking for printers…</translation>
    </message>
    <message>
        <source>您的系统没有安装任何打印设备，建议用户安装分辨率在600dpi及以上的激光打印机。</source>
        <translation>No printing device is installed on your system; a laser printer with a resolution of 600 dpi or more is recommended.</translation>
    </message>
    <message>
        <source>不再提示</source>
        <translation>Do not show this again</translation>
    </message>
    <message>
        <source>创建剪贴板……</source>
        <translation>creating the clipboard…</translation>
    </message>
    <message>
        <source>设置壁纸……</source>
        <translation>setting the wallpaper…</translation>
    </message>
    <message>
        <source>搜索字体……</source>
        <translation>searching for fonts…</translation>
    </message>
    <message>
        <source>显示所有字体</source>
        <translation>Show all fonts</translation>
    </message>
    <message>
        <source>完成初始化……</source>
        <translation>finishing start-up…</translation>
    </message>
    <message>
        <source>“%1”不是有效的显示比例。<byte value="xd"/>请输入 10 到 610 之间的整数，例如 150%。</source>
        <translation>“%1” is not a valid zoom.<byte value="xd"/>Please enter a whole number from 10 to 610, for example 150%.</translation>
    </message>
    <message>
        <source>文件状态：无文件</source>
        <translation>File: none</translation>
    </message>
    <message>
        <source>文件状态：已修改</source>
        <translation>File: modified</translation>
    </message>
    <message>
        <source>文件状态：未修改</source>
        <translation>File: unmodified</translation>
    </message>
    <message>
        <source>已画图形：</source>
        <translation>Elements: </translation>
    </message>
    <message>
        <source>空心</source>
        <translation>Hollow</translation>
    </message>
    <message>
        <source>图象文件(*.bmp *.jpg *.jpeg *.gif *.png *.emf *.wmf);;所有文件(*)</source>
        <translation>Pictures (*.bmp *.jpg *.jpeg *.gif *.png *.emf *.wmf);;All files (*)</translation>
    </message>
    <message>
        <source>新建(&amp;N)</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>新建印章文件|新建印章文件</source>
        <translation>New seal document|Create a new seal document</translation>
    </message>
    <message>
        <source>打开…(&amp;O)</source>
        <translation>&amp;Open…</translation>
    </message>
    <message>
        <source>打开印章文件|打开印章文件</source>
        <translation>Open a seal document|Open a seal document</translation>
    </message>
    <message>
        <source>保存(&amp;S)</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>保存文件|保存文件</source>
        <translation>Save the file|Save the file</translation>
    </message>
    <message>
        <source>另存为…</source>
        <translation>Save &amp;As…</translation>
    </message>
    <message>
        <source>文件另存|文件另存</source>
        <translation>Save as|Save the file under another name</translation>
    </message>
    <message>
        <source>预览(&amp;V)</source>
        <translation>Print Pre&amp;view</translation>
    </message>
    <message>
        <source>打印预览|打印预览</source>
        <translation>Print preview|Print preview</translation>
    </message>
    <message>
        <source>打印(&amp;P)</source>
        <translation>&amp;Print</translation>
    </message>
    <message>
        <source>打印|打印</source>
        <translation>Print|Print</translation>
    </message>
    <message>
        <source>退出(&amp;Q)</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>退出|退出</source>
        <translation>Quit|Quit</translation>
    </message>
    <message>
        <source>复制(&amp;C)</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>复制到剪贴板|复制到剪贴板</source>
        <translation>Copy to the clipboard|Copy to the clipboard</translation>
    </message>
    <message>
        <source>剪切(&amp;X)</source>
        <translation>Cu&amp;t</translation>
    </message>
    <message>
        <source>剪切|剪切</source>
        <translation>Cut|Cut</translation>
    </message>
    <message>
        <source>粘贴(&amp;V)</source>
        <translation>&amp;Paste</translation>
    </message>
    <message>
        <source>从剪贴板粘贴|从剪贴板粘贴</source>
        <translation>Paste from the clipboard|Paste from the clipboard</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>删除|删除</source>
        <translation>Delete|Delete</translation>
    </message>
    <message>
        <source>清除(&amp;R)</source>
        <translation>Clea&amp;r</translation>
    </message>
    <message>
        <source>清除|清除</source>
        <translation>Clear|Clear the page</translation>
    </message>
    <message>
        <source>送到顶层(&amp;B)</source>
        <translation>&amp;Bring to Front</translation>
    </message>
    <message>
        <source>把元素送到顶层|把元素送到顶层</source>
        <translation>Bring to front|Bring the element to the front</translation>
    </message>
    <message>
        <source>送到底层(&amp;S)</source>
        <translation>&amp;Send to Back</translation>
    </message>
    <message>
        <source>把元素送到底层|把元素送到底层</source>
        <translation>Send to back|Send the element to the back</translation>
    </message>
    <message>
        <source>隐藏绘图工具(&amp;D)</source>
        <translation>Hide &amp;Drawing Tools</translation>
    </message>
    <message>
        <source>隐藏属性窗口(&amp;P)</source>
        <translation>Hide &amp;Property Window</translation>
    </message>
    <message>
        <source>隐藏工具栏(&amp;T)</source>
        <translation>Hide &amp;Toolbar</translation>
    </message>
    <message>
        <source>隐藏状态栏(&amp;S)</source>
        <translation>Hide &amp;Status Bar</translation>
    </message>
    <message>
        <source>隐藏状态栏|隐藏状态栏</source>
        <translation>Hide status bar|Hide the status bar</translation>
    </message>
    <message>
        <source>隐藏网格(&amp;G)</source>
        <translation>Hide &amp;Grid</translation>
    </message>
    <message>
        <source>隐藏网格|隐藏网格</source>
        <translation>Hide grid|Hide the grid</translation>
    </message>
    <message>
        <source>放大显示(&amp;I)</source>
        <translation>Zoom &amp;In</translation>
    </message>
    <message>
        <source>放大|放大</source>
        <translation>Zoom in|Zoom in</translation>
    </message>
    <message>
        <source>正常显示(&amp;N)</source>
        <translation>&amp;Normal Size</translation>
    </message>
    <message>
        <source>正常显示|正常显示</source>
        <translation>Normal size|Normal size</translation>
    </message>
    <message>
        <source>缩小显示(&amp;U)</source>
        <translation>Zoom O&amp;ut</translation>
    </message>
    <message>
        <source>缩小|缩小</source>
        <translation>Zoom out|Zoom out</translation>
    </message>
    <message>
        <source>叠放窗口(&amp;C)</source>
        <translation>&amp;Cascade</translation>
    </message>
    <message>
        <source>叠放窗口|叠放窗口</source>
        <translation>Cascade windows|Cascade windows</translation>
    </message>
    <message>
        <source>平排窗口(&amp;H)</source>
        <translation>Tile &amp;Horizontally</translation>
    </message>
    <message>
        <source>水平排列窗口|水平排列窗口</source>
        <translation>Tile windows horizontally|Tile windows horizontally</translation>
    </message>
    <message>
        <source>竖排窗口(&amp;T)</source>
        <translation>Tile &amp;Vertically</translation>
    </message>
    <message>
        <source>纵向排列窗口|纵向排列窗口</source>
        <translation>Tile windows vertically|Tile windows vertically</translation>
    </message>
    <message>
        <source>最小化(&amp;M)</source>
        <translation>&amp;Minimise All</translation>
    </message>
    <message>
        <source>最小化所有窗口|最小化所有窗口</source>
        <translation>Minimise all windows|Minimise all windows</translation>
    </message>
    <message>
        <source>重排窗口(&amp;A)</source>
        <translation>&amp;Arrange Icons</translation>
    </message>
    <message>
        <source>重新排列窗口|重新排列窗口</source>
        <translation>Arrange windows|Arrange the minimised windows</translation>
    </message>
    <message>
        <source>关闭(&amp;Z)</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>关闭|关闭</source>
        <translation>Close|Close</translation>
    </message>
    <message>
        <source>全部关闭(&amp;S)</source>
        <translation>Clo&amp;se All</translation>
    </message>
    <message>
        <source>关闭所有窗口|关闭所有窗口</source>
        <translation>Close all windows|Close all windows</translation>
    </message>
    <message>
        <source>下一个字体</source>
        <translation>Next Font</translation>
    </message>
    <message>
        <source>下一个字体|下一个字体</source>
        <translation>Next font|Next font</translation>
    </message>
    <message>
        <source>锁定印章位置(&amp;L)</source>
        <translation>&amp;Lock Seal Position</translation>
    </message>
    <message>
        <source>锁定印章|锁定印章</source>
        <translation>Lock seal|Lock the seal's position</translation>
    </message>
    <message>
        <source>锁定页面(&amp;P)</source>
        <translation>Lock &amp;Page</translation>
    </message>
    <message>
        <source>锁定页面|锁定页面</source>
        <translation>Lock page|Lock the page</translation>
    </message>
    <message>
        <source>关于…(&amp;A)</source>
        <translation>&amp;About…</translation>
    </message>
    <message>
        <source>关于本软件|关于本软件</source>
        <translation>About this program|About this program</translation>
    </message>
    <message>
        <source>更换壁纸(&amp;W)</source>
        <translation>Change &amp;Wallpaper</translation>
    </message>
    <message>
        <source>更换壁纸|更换壁纸</source>
        <translation>Change wallpaper|Change the wallpaper</translation>
    </message>
    <message>
        <source>致信作者(&amp;M)</source>
        <translation>&amp;Mail the Author</translation>
    </message>
    <message>
        <source>致信作者|致信作者</source>
        <translation>Mail the author|Write to the author</translation>
    </message>
    <message>
        <source>使用帮助(&amp;H)</source>
        <translation>&amp;Help Contents</translation>
    </message>
    <message>
        <source>使用帮助|帮助使用</source>
        <translation>Help|How to use the program</translation>
    </message>
    <message>
        <source>登陆作者的主页</source>
        <translation>Visit the Author's Home Page</translation>
    </message>
    <message>
        <source>去作者的主页看看|去作者的主页看看</source>
        <translation>Visit the author's home page|Visit the author's home page</translation>
    </message>
    <message>
        <source>加入印章库</source>
        <translation>Add to Library</translation>
    </message>
    <message>
        <source>存入印章库|存入印章库</source>
        <translation>Add to the library|Add to the seal library</translation>
    </message>
    <message>
        <source>编辑印章库</source>
        <translation>Edit Library</translation>
    </message>
    <message>
        <source>编辑修改印章库|编辑修改印章库</source>
        <translation>Edit the library|Edit the seal library</translation>
    </message>
    <message>
        <source>改变图符(&amp;P)</source>
        <translation>Change E&amp;mblem</translation>
    </message>
    <message>
        <source>改变印章图符|改变印章图符</source>
        <translation>Change the seal's emblem|Change the seal's emblem</translation>
    </message>
    <message>
        <source>对准中心(&amp;T)</source>
        <translation>Align Cen&amp;tres</translation>
    </message>
    <message>
        <source>导出为图象…</source>
        <translation>E&amp;xport as Picture…</translation>
    </message>
    <message>
        <source>印章导出为图象|印章导出为图象</source>
        <translation>Export seals as a picture|Export the chosen seals as a picture</translation>
    </message>
    <message>
        <source>细节查看…</source>
        <translation>Detail &amp;View…</translation>
    </message>
    <message>
        <source>插入模板印章</source>
        <translation>Insert Library Seal</translation>
    </message>
    <message>
        <source>删除模板印章</source>
        <translation>Delete Library Seal</translation>
    </message>
    <message>
        <source>页面使用双缓冲</source>
        <translation>Double-Buffer Pages</translation>
    </message>
    <message>
        <source>撤销(&amp;Z)</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>撤销|撤销上一步编辑</source>
        <translation>Undo|Undo the last edit</translation>
    </message>
    <message>
        <source>重做(&amp;Y)</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <source>重做|重做撤销的编辑</source>
        <translation>Redo|Redo the undone edit</translation>
    </message>
    <message>
        <source>颜色(&amp;O)…</source>
        <translation>C&amp;olour…</translation>
    </message>
    <message>
        <source>颜色|设置所选印章的颜色</source>
        <translation>Colour|Set the colour of the selected seals</translation>
    </message>
    <message>
        <source>正常页面视图|正常页面视图</source>
        <translation>Normal page view|Normal page view</translation>
    </message>
    <message>
        <source>浮起到表层|浮起到表层</source>
        <translation>Bring to front|Bring to front</translation>
    </message>
    <message>
        <source>压入到底层|压入到底层</source>
        <translation>Send to back|Send to back</translation>
    </message>
    <message>
        <source>对准中心|对准中心</source>
        <translation>Align centres|Align centres</translation>
    </message>
    <message>
        <source>从文件更换图象|从文件更换图象</source>
        <translation>Replace the picture from a file|Replace the picture from a file</translation>
    </message>
    <message>
        <source>文件(&amp;F)</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>最近的文件(&amp;R)</source>
        <translation>&amp;Recent Files</translation>
    </message>
    <message>
        <source>编辑(&amp;E)</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>对齐与分布(&amp;A)</source>
        <translation>&amp;Align and Distribute</translation>
    </message>
    <message>
        <source>印章库(&amp;Y)</source>
        <translation>Librar&amp;y</translation>
    </message>
    <message>
        <source>查看(&amp;V)</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>绘图(&amp;D)</source>
        <translation>&amp;Draw</translation>
    </message>
    <message>
        <source>绘图元素(&amp;E)</source>
        <translation>Drawing &amp;Elements</translation>
    </message>
    <message>
        <source>印章(&amp;S)</source>
        <translation>&amp;Seals</translation>
    </message>
    <message>
        <source>工具(&amp;T)</source>
        <translation>&amp;Tools</translation>
    </message>
    <message>
        <source>窗口(&amp;W)</source>
        <translation>&amp;Window</translation>
    </message>
    <message>
        <source>帮助(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>左对齐(&amp;L)</source>
        <translation>Align &amp;Left</translation>
    </message>
    <message>
        <source>右对齐(&amp;R)</source>
        <translation>Align &amp;Right</translation>
    </message>
    <message>
        <source>水平居中对齐(&amp;C)</source>
        <translation>Align Horizontal &amp;Centres</translation>
    </message>
    <message>
        <source>顶端对齐(&amp;T)</source>
        <translation>Align &amp;Top</translation>
    </message>
    <message>
        <source>底端对齐(&amp;B)</source>
        <translation>Align &amp;Bottom</translation>
    </message>
    <message>
        <source>垂直居中对齐(&amp;M)</source>
        <translation>Align Vertical &amp;Middles</translation>
    </message>
    <message>
        <source>水平等间距(&amp;H)</source>
        <translation>Space Evenly &amp;Horizontally</translation>
    </message>
    <message>
        <source>垂直等间距(&amp;V)</source>
        <translation>Space Evenly &amp;Vertically</translation>
    </message>
    <message>
        <source>关闭属性窗口</source>
        <translation>Close Property Window</translation>
    </message>
    <message>
        <source>开启属性窗口</source>
        <translation>Open Property Window</translation>
    </message>
    <message>
        <source>您的计算机没有安装打印机。您可以预览，或打印到PDF文件；要在纸上打印，建议安装分辨率在600 dpi以上的激光打印机。</source>
        <translation>No printer is installed on your computer. You can preview, or print to a PDF file; to print on paper, a laser printer with a resolution of 600 dpi or more is recommended.</translation>
    </message>
    <message>
        <source>应用字体</source>
        <translation>Apply Font</translation>
    </message>
    <message>
        <source><byte value="xd"/>印章的图符没有改变。</source>
        <translation><byte value="xd"/>The seal's emblem is unchanged.</translation>
    </message>
    <message>
        <source>无法读取图象文件：<byte value="xd"/>%1<byte value="xd"/>印章的图符没有改变。</source>
        <translation>Cannot read the picture file:<byte value="xd"/>%1<byte value="xd"/>The seal's emblem is unchanged.</translation>
    </message>
    <message>
        <source>更换图符</source>
        <translation>Change Emblem</translation>
    </message>
    <message>
        <source>设置颜色</source>
        <translation>Set Colour</translation>
    </message>
    <message>
        <source>关闭绘图工具</source>
        <translation>Close Drawing Tools</translation>
    </message>
    <message>
        <source>开启绘图工具</source>
        <translation>Open Drawing Tools</translation>
    </message>
    <message>
        <source>隐藏工具栏</source>
        <translation>Hide Toolbar</translation>
    </message>
    <message>
        <source>显示工具栏</source>
        <translation>Show Toolbar</translation>
    </message>
    <message>
        <source>隐藏状态栏</source>
        <translation>Hide Status Bar</translation>
    </message>
    <message>
        <source>显示状态栏</source>
        <translation>Show Status Bar</translation>
    </message>
    <message>
        <source>显示网格(&amp;G)</source>
        <translation>Show &amp;Grid</translation>
    </message>
    <message>
        <source>解锁印章(&amp;U)</source>
        <translation>&amp;Unlock Seal</translation>
    </message>
    <message>
        <source>解锁页面(&amp;P)</source>
        <translation>Unlock &amp;Page</translation>
    </message>
    <message>
        <source>图象文件(*.bmp *.jpg *.jpeg *.gif *.png);;所有文件(*)</source>
        <translation>Pictures (*.bmp *.jpg *.jpeg *.gif *.png);;All files (*)</translation>
    </message>
    <message>
        <source>无法读取壁纸图象：<byte value="xd"/>%1</source>
        <translation>Cannot read the wallpaper picture:<byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>Quillmark 印章文件(*.dyz *.DYZ)</source>
        <translation>Quillmark seal documents (*.dyz *.DYZ)</translation>
    </message>
    <message>
        <source> 水平坐标：</source>
        <translation> X: </translation>
    </message>
    <message>
        <source>垂直坐标：</source>
        <translation>Y: </translation>
    </message>
    <message>
        <source>该文件已经打开！看见了吧^_^</source>
        <translation>This file is already open! There it is ^_^</translation>
    </message>
    <message>
        <source>文件不存在！</source>
        <translation>The file does not exist!</translation>
    </message>
    <message>
        <source>文件“%1”已在另一个窗口中打开。<byte value="xd"/>是否用当前文件替换它？<byte value="xd"/>那个窗口的内容将保留为未命名的文件。</source>
        <translation>The file “%1” is open in another window.<byte value="xd"/>Replace it with the current document?<byte value="xd"/>That window's contents will stay as an untitled document.</translation>
    </message>
    <message>
        <source>文件状态：已保存</source>
        <translation>File: saved</translation>
    </message>
    <message>
        <source>当前文件尚未保存或者已被修改，是否<byte value="xd"/>保存（修改后的）文件？</source>
        <translation>The current file has not been saved or has been changed.<byte value="xd"/>Save the (changed) file?</translation>
    </message>
    <message>
        <source>界面语言(&amp;L) / Language</source>
        <translation>Lan&amp;guage / 界面语言</translation>
    </message>
    <message>
        <source>跟随系统</source>
        <translation>Follow the System</translation>
    </message>
    <message>
        <source>中文</source>
        <translation>Chinese (中文)</translation>
    </message>
    <message>
        <source>界面语言将在下次启动 Quillmark 时改变。</source>
        <translation>The interface language will change the next time Quillmark starts.</translation>
    </message>
    <message>
        <source>（无）</source>
        <translation>(none)</translation>
    </message>
    <message>
        <source>撤销 %1(&amp;Z)</source>
        <translation>&amp;Undo %1</translation>
    </message>
    <message>
        <source>重做 %1(&amp;Y)</source>
        <translation>&amp;Redo %1</translation>
    </message>
    <message>
        <source>工作区</source>
        <translation>Work area</translation>
    </message>
    <message>
        <source>以下文件无法读取，显示为空白缩略图：<byte value="xd"/>%1</source>
        <translation>The following files cannot be read and are shown as blank thumbnails:<byte value="xd"/>%1</translation>
    </message>
    <message>
        <source><byte value="xd"/>……（共 %1 个文件）</source>
        <translation><byte value="xd"/>… (%1 files in all)</translation>
    </message>
    <message>
        <source>印章库面板</source>
        <translation>Seal library panel</translation>
    </message>
    <message>
        <source>查找印章</source>
        <translation>Find a seal</translation>
    </message>
    <message>
        <source>按章名查找印章</source>
        <translation>Find seals by name</translation>
    </message>
    <message>
        <source>徽标 %1</source>
        <translation>Emblem %1</translation>
    </message>
    <message>
        <source>请给印章提供一个名字！</source>
        <translation>Please give the seal a name!</translation>
    </message>
    <message>
        <source>章名&lt; %1 &gt;已存在，<byte value="xd"/>是否覆盖？</source>
        <translation>The seal name &lt; %1 &gt; already exists.<byte value="xd"/>Overwrite it?</translation>
    </message>
    <message>
        <source>确实要永久删除该模板印章吗？</source>
        <translation>Do you really want to delete this library seal for good?</translation>
    </message>
    <message>
        <source>无法删除文件：<byte value="xd"/>%1</source>
        <translation>Cannot delete the file:<byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>找不到内置徽标“%1”。</source>
        <translation>The built-in emblem “%1” cannot be found.</translation>
    </message>
    <message>
        <source>正在载入：</source>
        <translation>Loading:</translation>
    </message>
    <message>
        <source>盖章到PDF(&amp;T)…</source>
        <translation>S&amp;tamp onto PDF…</translation>
    </message>
    <message>
        <source>盖章到PDF|把所选的印章（未选时为全部印章）按实际尺寸盖到PDF文件的页面上</source>
        <translation>Stamp onto PDF|Put the selected seals (all seals when none is selected) onto the pages of a PDF file at true size</translation>
    </message>
    <message>
        <source>PDF文件(*.pdf);;所有文件(*)</source>
        <translation>PDF files (*.pdf);;All files (*)</translation>
    </message>
    <message>
        <source>PDF文件(*.pdf)</source>
        <translation>PDF files (*.pdf)</translation>
    </message>
</context>
<context>
    <name>qm::PdfStampWindow</name>
    <message>
        <source>PDF页面</source>
        <translation>PDF page</translation>
    </message>
    <message>
        <source>文档中没有印章，没有可以盖到PDF上的内容。</source>
        <translation>The document has no seals; there is nothing to stamp onto the PDF.</translation>
    </message>
    <message>
        <source>所选的印章不在文档中。</source>
        <translation>The chosen seals are not in the document.</translation>
    </message>
    <message>
        <source>无法读取PDF文件：<byte value="xd"/>%1</source>
        <translation>Cannot read the PDF file:<byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>PDF文件中没有页面：<byte value="xd"/>%1</source>
        <translation>The PDF file has no pages:<byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>无法显示PDF文件的页面：<byte value="xd"/>%1</source>
        <translation>Cannot show the pages of the PDF file:<byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>盖章到PDF</source>
        <translation>Stamp onto PDF</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>重做</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>保存(&amp;S)…</source>
        <translation>&amp;Save…</translation>
    </message>
    <message>
        <source>把盖好印章的PDF保存为新文件</source>
        <translation>Save the stamped PDF as a new file</translation>
    </message>
    <message>
        <source>关闭(&amp;C)</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source> / %1</source>
        <translation> / %1</translation>
    </message>
    <message>
        <source>盖章页面</source>
        <translation>Page to stamp</translation>
    </message>
    <message>
        <source>印章盖在显示的这一页上</source>
        <translation>The seals go onto the page shown</translation>
    </message>
    <message>
        <source>缩放</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>100%为实际尺寸</source>
        <translation>100% is true size</translation>
    </message>
    <message>
        <source>旋转角度</source>
        <translation>Rotation angle</translation>
    </message>
    <message>
        <source>逆时针旋转的角度</source>
        <translation>Angle of counter-clockwise rotation</translation>
    </message>
    <message>
        <source>不透明度</source>
        <translation>Opacity</translation>
    </message>
    <message>
        <source>正片叠底(&amp;M)</source>
        <translation>&amp;Multiply</translation>
    </message>
    <message>
        <source>正片叠底</source>
        <translation>Multiply</translation>
    </message>
    <message>
        <source>印章与页面的文字叠在一起，像真的盖章一样</source>
        <translation>The seals' ink and the page's text show through each other, as with a real stamp</translation>
    </message>
    <message>
        <source>页面(&amp;P)：</source>
        <translation>&amp;Page:</translation>
    </message>
    <message>
        <source>缩放(&amp;Z)：</source>
        <translation>&amp;Zoom:</translation>
    </message>
    <message>
        <source>旋转(&amp;R)：</source>
        <translation>&amp;Rotation:</translation>
    </message>
    <message>
        <source>不透明度(&amp;O)：</source>
        <translation>&amp;Opacity:</translation>
    </message>
    <message>
        <source>PDF页面区域</source>
        <translation>PDF page area</translation>
    </message>
    <message>
        <source>拖动印章，或用方向键移动（每次0.1毫米，按住Shift每次1毫米）；Ctrl+←/→ 旋转（每次1°，按住Shift每次15°）；Ctrl+Z撤销，Ctrl+Y重做。缩放100%时为实际尺寸。</source>
        <translation>Drag the seals, or move them with the arrow keys (0.1 mm a step, 1 mm with Shift); Ctrl+←/→ turns them (1° a step, 15° with Shift); Ctrl+Z undoes, Ctrl+Y redoes. At 100% zoom the page is at true size.</translation>
    </message>
    <message>
        <source>印章位置</source>
        <translation>Seal position</translation>
    </message>
    <message>
        <source>保存结果</source>
        <translation>Save result</translation>
    </message>
    <message>
        <source>移动印章</source>
        <translation>Move seals</translation>
    </message>
    <message>
        <source>旋转印章</source>
        <translation>Rotate seals</translation>
    </message>
    <message>
        <source>换到第%1页</source>
        <translation>Move to page %1</translation>
    </message>
    <message>
        <source>印章中心：距页面左边 %1 毫米，距上边 %2 毫米；逆时针旋转 %3°；第 %4 页，共 %5 页</source>
        <translation>Seal centre: %1 mm from the page's left edge, %2 mm from its top; turned %3° counter-clockwise; page %4 of %5</translation>
    </message>
    <message>
        <source>-盖章</source>
        <translation>-stamped</translation>
    </message>
    <message>
        <source>不能保存到打开的PDF文件本身：盖章的结果总是保存为一个新文件，原文件保持不变。<byte value="xd"/>请换一个文件名。</source>
        <translation>Cannot save into the PDF file that was opened: the stamped result is always saved as a new file, and the original stays as it is.<byte value="xd"/>Please choose another file name.</translation>
    </message>
    <message>
        <source>无法保存PDF文件：<byte value="xd"/>%1</source>
        <translation>Cannot save the PDF file:<byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>已保存：%1</source>
        <translation>Saved: %1</translation>
    </message>
</context>
<context>
    <name>qm::PrintWindow</name>
    <message>
        <source>Quillmark 打印管理...</source>
        <translation>Quillmark Print Manager...</translation>
    </message>
    <message>
        <source>打印预览</source>
        <translation>Print Preview</translation>
    </message>
    <message>
        <source>放 大</source>
        <translation>Zoom In</translation>
    </message>
    <message>
        <source>缩 小</source>
        <translation>Zoom Out</translation>
    </message>
    <message>
        <source>全 部</source>
        <translation>Whole Page</translation>
    </message>
    <message>
        <source>设 置</source>
        <translation>Setup</translation>
    </message>
    <message>
        <source>打 印</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>退 出</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>打印到PDF文件(&amp;D)...</source>
        <translation>Print to P&amp;DF File...</translation>
    </message>
    <message>
        <source>打印校准标尺(&amp;R)</source>
        <translation>Print Calibration &amp;Ruler</translation>
    </message>
    <message>
        <source>打印校准(&amp;C)...</source>
        <translation>&amp;Calibrate...</translation>
    </message>
    <message>
        <source>文件(&amp;F)</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>设置(&amp;S)</source>
        <translation>&amp;Setup...</translation>
    </message>
    <message>
        <source>打印(&amp;P)</source>
        <translation>&amp;Print</translation>
    </message>
    <message>
        <source>退出(&amp;X)</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>显示(&amp;V)</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>连续放大(&amp;I)</source>
        <translation>Zoom &amp;In</translation>
    </message>
    <message>
        <source>连续缩小(&amp;U)</source>
        <translation>Zoom O&amp;ut</translation>
    </message>
    <message>
        <source>自适页面(&amp;F)</source>
        <translation>&amp;Fit Page</translation>
    </message>
    <message>
        <source>打印工具栏</source>
        <translation>Print toolbar</translation>
    </message>
    <message>
        <source>正在生成打印文件：</source>
        <translation>Making the print file:</translation>
    </message>
    <message>
        <source>正在生成打印文件</source>
        <translation>Making the print file</translation>
    </message>
    <message>
        <source> 当前纸张可打印区域[宽x高]：</source>
        <translation> Printable area of the paper [W x H]: </translation>
    </message>
    <message>
        <source>当前缩放比例：</source>
        <translation>Current zoom: </translation>
    </message>
    <message>
        <source>信息</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>您的计算机未安装打<byte value="xd"/>印机，不能打印！</source>
        <translation>No printer is installed on your<byte value="xd"/>computer; nothing can be printed!</translation>
    </message>
    <message>
        <source>打印校准</source>
        <translation>Print Calibration</translation>
    </message>
    <message>
        <source>水平校正</source>
        <translation>Horizontal correction</translation>
    </message>
    <message>
        <source>垂直校正</source>
        <translation>Vertical correction</translation>
    </message>
    <message>
        <source>水平校正(&amp;H)：</source>
        <translation>&amp;Horizontal correction:</translation>
    </message>
    <message>
        <source>垂直校正(&amp;V)：</source>
        <translation>&amp;Vertical correction:</translation>
    </message>
    <message>
        <source>您的计算机没有安装<byte value="xd"/>打印机，不能设置！</source>
        <translation>No printer is installed on your<byte value="xd"/>computer; there is nothing to set up!</translation>
    </message>
    <message>
        <source>当前纸张打印区域大小[宽x高]：</source>
        <translation>Printable area of the current paper [W x H]: </translation>
    </message>
    <message>
        <source>提示：</source>
        <translation>Note:</translation>
    </message>
    <message>
        <source>空白文档，有什么好打印的！</source>
        <translation>The document is empty; there is nothing to print!</translation>
    </message>
    <message>
        <source>已打印到PDF文件：</source>
        <translation>Printed to the PDF file: </translation>
    </message>
    <message>
        <source>打印到PDF文件</source>
        <translation>Print to PDF File</translation>
    </message>
    <message>
        <source>PDF 文件 (*.pdf)</source>
        <translation>PDF files (*.pdf)</translation>
    </message>
    <message>
        <source>下列印章中有字体无法显示的字符，打印出来这些字符将用其他字体代替或显示为空框：<byte value="xd"/><byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>是否继续打印？</source>
        <translation>Some characters of the following seals cannot be shown in their fonts; on paper they will be printed in another font or as empty boxes:<byte value="xd"/><byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>Print anyway?</translation>
    </message>
    <message>
        <source>打印机无法开始打印，什么也没有打印。</source>
        <translation>The printer could not start printing; nothing was printed.</translation>
    </message>
</context>
<context>
    <name>qm::PropertyWindow</name>
    <message>
        <source>A：中心定位、主边框、主边框衬线、转轮框、中心线</source>
        <translation>A: centre position, main frame, frame lining, date frame, centre lines</translation>
    </message>
    <message>
        <source>B：内边框、图符、纹线</source>
        <translation>B: inner frame, emblem, pattern lines</translation>
    </message>
    <message>
        <source>C：印章文字</source>
        <translation>C: seal texts</translation>
    </message>
    <message>
        <source>D：印章编码、表格</source>
        <translation>D: seal code, table</translation>
    </message>
    <message>
        <source>印章属性</source>
        <translation>Seal Properties</translation>
    </message>
    <message>
        <source>属性页</source>
        <translation>Property pages</translation>
    </message>
    <message>
        <source>固定属性窗口：失去焦点时不卷起</source>
        <translation>Pin the property window: it stays open when it loses the focus</translation>
    </message>
    <message>
        <source>固定属性窗口</source>
        <translation>Pin the property window</translation>
    </message>
    <message>
        <source>感谢您使用本软件</source>
        <translation>Thank you for using this program</translation>
    </message>
    <message>
        <source>矩形</source>
        <translation>Rectangle</translation>
    </message>
    <message>
        <source>圆角矩形</source>
        <translation>Rounded rectangle</translation>
    </message>
    <message>
        <source>切角矩形</source>
        <translation>Chamfered rectangle</translation>
    </message>
    <message>
        <source>圆[椭圆]形</source>
        <translation>Round [oval]</translation>
    </message>
    <message>
        <source>第一文字</source>
        <translation>First text</translation>
    </message>
    <message>
        <source>第二文字</source>
        <translation>Second text</translation>
    </message>
    <message>
        <source>第三文字</source>
        <translation>Third text</translation>
    </message>
    <message>
        <source>第四文字</source>
        <translation>Fourth text</translation>
    </message>
    <message>
        <source>编码内容</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>文字内容</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>已取最大值 %1</source>
        <translation>Set to the maximum, %1</translation>
    </message>
    <message>
        <source>已取最小值 %1</source>
        <translation>Set to the minimum, %1</translation>
    </message>
    <message>
        <source>只能输入数字</source>
        <translation>Only numbers can be entered</translation>
    </message>
    <message>
        <source>文件状态：已修改</source>
        <translation>File: modified</translation>
    </message>
    <message>
        <source>字符“%1”不能保存在印章中，这次输入未被采用。</source>
        <translation>The character “%1” cannot be stored in a seal; this entry was not taken.</translation>
    </message>
    <message>
        <source>修改%1</source>
        <translation>Change %1</translation>
    </message>
</context>
<context>
    <name>qm::RecoveryDialog</name>
    <message>
        <source>恢复文档</source>
        <translation>Recover Documents</translation>
    </message>
    <message>
        <source>以下文档在上次意外退出前未保存，可以恢复：</source>
        <translation>These documents were not saved before the program last ended unexpectedly and can be recovered:</translation>
    </message>
    <message>
        <source>可恢复的文档</source>
        <translation>Documents that can be recovered</translation>
    </message>
    <message>
        <source>文档</source>
        <translation>Documents</translation>
    </message>
    <message>
        <source>保存时间</source>
        <translation>Saved at</translation>
    </message>
    <message>
        <source>印章数</source>
        <translation>Seals</translation>
    </message>
    <message>
        <source>勾选的文档将被恢复或丢弃，未勾选的保留到下次启动。</source>
        <translation>The checked documents are recovered or discarded; the others are kept until the next start.</translation>
    </message>
    <message>
        <source>恢复(&amp;R)</source>
        <translation>&amp;Recover</translation>
    </message>
    <message>
        <source>丢弃(&amp;D)</source>
        <translation>&amp;Discard</translation>
    </message>
    <message>
        <source>以后再说(&amp;L)</source>
        <translation>&amp;Later</translation>
    </message>
</context>
<context>
    <name>qm::SealDocument</name>
    <message>
        <source>画图形</source>
        <translation>Draw</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>清除</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>把元素送到顶层</source>
        <translation>Bring to Front</translation>
    </message>
    <message>
        <source>把元素送到底层</source>
        <translation>Send to Back</translation>
    </message>
    <message>
        <source>对准中心</source>
        <translation>Align Centres</translation>
    </message>
    <message>
        <source>移动</source>
        <translation>Move</translation>
    </message>
    <message>
        <source>剪切</source>
        <translation>Cut</translation>
    </message>
    <message>
        <source>粘贴</source>
        <translation>Paste</translation>
    </message>
</context>
<context>
    <name>qm::StatusBar</name>
    <message>
        <source>状态栏</source>
        <translation>Status bar</translation>
    </message>
</context>
<context>
    <name>qm::ToolPalette</name>
    <message>
        <source>正常页面视图|正常页面视图</source>
        <translation>Normal page view|Normal page view</translation>
    </message>
    <message>
        <source>浮起到表层|浮起到表层</source>
        <translation>Bring to front|Bring to front</translation>
    </message>
    <message>
        <source>压入到底层|压入到底层</source>
        <translation>Send to back|Send to back</translation>
    </message>
    <message>
        <source>对准中心|对准中心</source>
        <translation>Align centres|Align centres</translation>
    </message>
    <message>
        <source>从文件更换图象|从文件更换图象</source>
        <translation>Replace the picture from a file|Replace the picture from a file</translation>
    </message>
    <message>
        <source>绘图工具</source>
        <translation>Drawing Tools</translation>
    </message>
    <message>
        <source>访问作者主页<byte value="xd"/>
查看产品信息|访问作者主页</source>
        <translation>Visit the author's home page<byte value="xd"/>
for product information|Visit the author's home page</translation>
    </message>
    <message>
        <source>工具按钮</source>
        <translation>Tool buttons</translation>
    </message>
    <message>
        <source>绘图工具栏</source>
        <translation>Drawing tool bar </translation>
    </message>
    <message>
        <source>切换工具栏</source>
        <translation>Switch tool set</translation>
    </message>
    <message>
        <source>切换工具栏|切换工具栏</source>
        <translation>Switch tool set|Switch between drawing elements and seals</translation>
    </message>
    <message>
        <source>颜色</source>
        <translation>Colour</translation>
    </message>
    <message>
        <source>设置颜色|设置颜色</source>
        <translation>Set colour|Set the colour</translation>
    </message>
</context>
</TS>
