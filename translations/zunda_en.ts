<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="zh_CN">
<context>
    <name>EngineText</name>
    <message>
        <source>钱</source>
        <translation>2</translation>
    </message>
    <message>
        <source>小虎</source>
        <translation>Small joker</translation>
    </message>
    <message>
        <source>大虎</source>
        <translation>Big joker</translation>
    </message>
    <message>
        <source>头科</source>
        <translation>1st</translation>
    </message>
    <message>
        <source>二科</source>
        <translation>2nd</translation>
    </message>
    <message>
        <source>三科</source>
        <translation>3rd</translation>
    </message>
    <message>
        <source>四科</source>
        <translation>4th</translation>
    </message>
    <message>
        <source>二落</source>
        <translation>5th</translation>
    </message>
    <message>
        <source>大落</source>
        <translation>Last</translation>
    </message>
    <message>
        <source>抓三户</source>
        <translation>Triple capture</translation>
    </message>
    <message>
        <source>Zunda扑克游戏</source>
        <translation>Zunda Card Game</translation>
    </message>
    <message>
        <source>Zunda扑克游戏 %1</source>
        <translation>Zunda Card Game %1</translation>
    </message>
    <message>
        <source>该家没有出牌</source>
        <translation>This seat has played no cards</translation>
    </message>
    <message>
        <source>手中还有%1张牌</source>
        <translation>%1 cards left in hand</translation>
    </message>
    <message>
        <source>不够报牌</source>
        <translation>More than ten cards left</translation>
    </message>
    <message>
        <source>%1-烧糊了</source>
        <translation>%1 - scorched</translation>
    </message>
    <message>
        <source>烧糊了,被判为%1</source>
        <translation>Scorched, placed %1</translation>
    </message>
    <message>
        <source>%1 %2张. 鼠标左键选整套,右键拆牌,双击直接出牌</source>
        <translation>%1, %2 held. Left click picks the whole set, right click splits it, double click plays it</translation>
    </message>
    <message>
        <source>已经发出的牌: %1</source>
        <translation>Cards played so far: %1</translation>
    </message>
    <message>
        <source>Zunda战绩排名:</source>
        <translation>Zunda ranking:</translation>
    </message>
    <message>
        <source>本软件随时更新，欢迎下载最新版本。</source>
        <translation>This game is updated from time to time; the newest version is always welcome.</translation>
    </message>
    <message>
        <source>当前登录玩家 : %1</source>
        <translation>Player logged in: %1</translation>
    </message>
    <message>
        <source>当前登录玩家是：〖%1〗</source>
        <translation>Player logged in: %1</translation>
    </message>
    <message>
        <source>默认登录玩家：〖%1〗</source>
        <translation>Default player: %1</translation>
    </message>
    <message>
        <source>%1张 %2(%3)</source>
        <translation>%1 × %2 (with %3)</translation>
    </message>
    <message>
        <source>%1张 %2</source>
        <translation>%1 × %2</translation>
    </message>
    <message>
        <source>%1大虎%2小虎</source>
        <translation>%1 big and %2 small jokers</translation>
    </message>
    <message>
        <source>%1大虎</source>
        <translation>%1 big joker(s)</translation>
    </message>
    <message>
        <source>%1小虎</source>
        <translation>%1 small joker(s)</translation>
    </message>
    <message>
        <source>自动过牌</source>
        <translation>Passes automatically</translation>
    </message>
    <message>
        <source>过</source>
        <translation>Passes</translation>
    </message>
    <message>
        <source>确认烧牌!</source>
        <translation>Burns!</translation>
    </message>
    <message>
        <source>烧糊了!被判为:%1</source>
        <translation>Scorched! Placed: %1</translation>
    </message>
    <message>
        <source>被判定获得发牌权</source>
        <translation>Takes the lead</translation>
    </message>
    <message>
        <source>接受“%1”的留封</source>
        <translation>Takes over the lead left by “%1”</translation>
    </message>
    <message>
        <source>本局已经结束,走科的顺序如下:</source>
        <translation>The hand is over. The seats went out in this order:</translation>
    </message>
    <message>
        <source>%1 : %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>%1 还贡牌: %2</source>
        <translation>%1 returns tribute: %2</translation>
    </message>
    <message>
        <source>%1 进贡牌: %2</source>
        <translation>%1 pays tribute: %2</translation>
    </message>
    <message>
        <source>%1 还贡牌: (未吃贡)</source>
        <translation>%1 returns tribute: (took none)</translation>
    </message>
    <message>
        <source>%1 进贡牌: (未进贡)</source>
        <translation>%1 pays tribute: (paid none)</translation>
    </message>
    <message>
        <source>请选择一手牌发出</source>
        <translation>Choose a set to lead</translation>
    </message>
    <message>
        <source>请选择一手牌或过牌</source>
        <translation>Choose a set or pass</translation>
    </message>
    <message>
        <source>请选择一手牌或扣牌</source>
        <translation>Choose a set or fold</translation>
    </message>
    <message>
        <source>请扣牌</source>
        <translation>Please fold</translation>
    </message>
    <message>
        <source>您已经烧牌</source>
        <translation>You have burned</translation>
    </message>
    <message>
        <source>不要着急,还不到您出牌的时候!</source>
        <translation>Not so fast, it is not your turn yet!</translation>
    </message>
    <message>
        <source>您选中的是无效牌</source>
        <translation>That card cannot be picked now</translation>
    </message>
    <message>
        <source>您已烧牌,要求至少有1张虎或一次发完所有牌</source>
        <translation>You have burned: play at least one joker, or all your cards at once</translation>
    </message>
    <message>
        <source>对门挂了大虎,不劳您出牌了,扣牌吧</source>
        <translation>Your partner opposite attached a big joker; no need to play, fold</translation>
    </message>
    <message>
        <source>人家挂了大虎,您无权烧牌了</source>
        <translation>The other side attached a big joker; you may not burn</translation>
    </message>
    <message>
        <source>您已经烧糊了，无权再出牌！</source>
        <translation>You are scorched and may not play any more!</translation>
    </message>
    <message>
        <source>请等会儿再出牌!</source>
        <translation>Please wait a moment before playing!</translation>
    </message>
    <message>
        <source>牌点太小!</source>
        <translation>Those cards are too low!</translation>
    </message>
    <message>
        <source>请检查选择的牌是否合适?</source>
        <translation>Check whether the picked cards are right</translation>
    </message>
    <message>
        <source>选中牌的张数与上家不一样，请重选</source>
        <translation>The number of picked cards differs from the table; pick again</translation>
    </message>
    <message>
        <source>您必须至少挂%1张大虎方可出牌</source>
        <translation>You must attach at least %1 big joker(s) to play</translation>
    </message>
    <message>
        <source>等您烧牌呢！如果不烧请过牌。</source>
        <translation>Waiting for your burn! Pass if you do not burn.</translation>
    </message>
    <message>
        <source>哈哈,您烧糊了!恭喜您成为%1</source>
        <translation>Ha, you are scorched! You are placed %1</translation>
    </message>
    <message>
        <source>发牌方: %1</source>
        <translation>Leader: %1</translation>
    </message>
    <message>
        <source>下面是大落【%1】手里的牌:</source>
        <translation>The cards left in the hand of the last, %1:</translation>
    </message>
    <message>
        <source>您吃%1张贡,请选择还贡的牌!</source>
        <translation>You took %1 tribute card(s); choose the cards to return!</translation>
    </message>
    <message>
        <source>太多了！</source>
        <translation>Too many!</translation>
    </message>
    <message>
        <source>正在洗牌、分牌，请稍等...</source>
        <translation>Shuffling and dealing, please wait...</translation>
    </message>
    <message>
        <source>本轮结束，点击牌桌继续</source>
        <translation>The round is over; click the table to go on</translation>
    </message>
    <message>
        <source>提示：这手牌可以不要</source>
        <translation>Hint: you may let this one go</translation>
    </message>
    <message>
        <source>提示：已无牌可出，请按“烧糊了”</source>
        <translation>Hint: you have nothing to play; press “Scorched”</translation>
    </message>
    <message>
        <source>嘿嘿,一手小牌</source>
        <translation>Heh, a small set</translation>
    </message>
    <message>
        <source>确认,不再上牌了</source>
        <translation>Confirm: no more cards</translation>
    </message>
    <message>
        <source>扣牌</source>
        <translation>Fold</translation>
    </message>
    <message>
        <source>过牌</source>
        <translation>Pass</translation>
    </message>
    <message>
        <source>点错牌了，全部收回来吧</source>
        <translation>Picked the wrong cards? Take them all back</translation>
    </message>
    <message>
        <source>这么小的牌,不值得我烧牌</source>
        <translation>Such small cards are not worth a burn</translation>
    </message>
    <message>
        <source>看准了,确实烧糊了再点此按钮!</source>
        <translation>Press this only when you really are scorched!</translation>
    </message>
    <message>
        <source>还贡</source>
        <translation>Return tribute</translation>
    </message>
    <message>
        <source>按H键提示一手能出的牌，再按换一手</source>
        <translation>Press H for a set you can play, again for another</translation>
    </message>
    <message>
        <source>您真的要退出Zunda吗？</source>
        <translation>Do you really want to quit Zunda?</translation>
    </message>
    <message>
        <source>游戏暂停,单击[确定]继续</source>
        <translation>Game paused; click OK to go on</translation>
    </message>
    <message>
        <source>您要烧牌吗?</source>
        <translation>Do you want to burn?</translation>
    </message>
    <message>
        <source>嘿嘿,数一数您手里的大小鬼数量,是不是烧糊了?</source>
        <translation>Heh, count the jokers in your hand: are you scorched?</translation>
    </message>
    <message>
        <source>%1是联邦,是否吃贡?</source>
        <translation>The %1 is your teammate. Take the tribute?</translation>
    </message>
    <message>
        <source>下面是大落【%1】剩余的牌</source>
        <translation>These are the cards the last, %1, still holds</translation>
    </message>
    <message>
        <source>已抓三户!</source>
        <translation>Triple capture!</translation>
    </message>
    <message>
        <source>是否保存当前牌局？</source>
        <translation>Save the current hand?</translation>
    </message>
    <message>
        <source>当前牌局已保存!</source>
        <translation>The hand has been saved!</translation>
    </message>
    <message>
        <source>是否恢复牌局？</source>
        <translation>Restore the saved hand?</translation>
    </message>
    <message>
        <source>没有保存牌局。</source>
        <translation>There is no saved hand.</translation>
    </message>
    <message>
        <source>牌局已恢复!</source>
        <translation>The hand has been restored!</translation>
    </message>
    <message>
        <source>您修改了重要设置，需要在重新启动本软件后才能生效，是否现在就退出？</source>
        <translation>You changed a setting that takes effect when the game starts again. Quit now?</translation>
    </message>
    <message>
        <source>游戏玩家〖%1〗未登录！是否重新登录？</source>
        <translation>Player %1 is not logged in! Log in again?</translation>
    </message>
    <message>
        <source>请将Windows屏幕分辨率设置到800x600小字体模式或更高分辨率再运行本软件，具体调整方式请见本软件FAQ提示。</source>
        <translation>Please set the screen to 800x600 or more before starting the game; the FAQ explains how.</translation>
    </message>
    <message>
        <source>本软件已经在运行了！
请试着点击屏幕最下面任务栏中的应用程序即可调出。</source>
        <translation>The game is already running!
Click it in the task bar at the bottom of the screen to bring it up.</translation>
    </message>
    <message>
        <source>软件初次运行，初始化运行参数建立完毕。请退出后再运行。</source>
        <translation>First start: the settings have been created. Please quit and start the game again.</translation>
    </message>
    <message>
        <source>配置文件出错，系统试图重建之，请在退出后重新运行本软件。如果问题仍然存在，请用电子邮件向作者反映此现象,并说明详细情况。</source>
        <translation>The settings file was damaged and has been rebuilt. Please quit and start the game again. If the problem stays, please write to the authors and describe it.</translation>
    </message>
    <message>
        <source>Err: 没有选定*.ini文件</source>
        <translation>Err: no *.ini file chosen</translation>
    </message>
    <message>
        <source>Err: 选定的.ini文件格式不对</source>
        <translation>Err: the chosen .ini file has the wrong format</translation>
    </message>
    <message>
        <source>Err:已经存在 -- %1,是否覆盖?</source>
        <translation>Err: %1 exists already. Overwrite it?</translation>
    </message>
    <message>
        <source>Err: Skin文件导入失败 -- %1</source>
        <translation>Err: the skin could not be imported -- %1</translation>
    </message>
    <message>
        <source>文件未发现:%1</source>
        <translation>File not found: %1</translation>
    </message>
    <message>
        <source>Skin文件导入成功</source>
        <translation>The skin has been imported</translation>
    </message>
    <message>
        <source>请首先在列表中选择一个曲目.</source>
        <translation>Please choose a piece in the list first.</translation>
    </message>
    <message>
        <source>您真的要删除音乐文件 [%1] 吗?</source>
        <translation>Do you really want to delete the music file [%1]?</translation>
    </message>
    <message>
        <source>AVI 视频文件不作为背景音乐播放。</source>
        <translation>AVI video files are not played as background music.</translation>
    </message>
    <message>
        <source>延时%1毫秒</source>
        <translation>Pause %1 ms</translation>
    </message>
    <message>
        <source>%1毫秒</source>
        <translation>%1 ms</translation>
    </message>
    <message>
        <source>%1秒</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>Err : 密码错。</source>
        <translation>Err: wrong password.</translation>
    </message>
    <message>
        <source>Err : 密码错!</source>
        <translation>Err: wrong password!</translation>
    </message>
    <message>
        <source>成功登录:%1
当前登录玩家 : %2</source>
        <translation>Logged in: %1
Player logged in: %2</translation>
    </message>
    <message>
        <source>该玩家已经存在!</source>
        <translation>This player exists already!</translation>
    </message>
    <message>
        <source>Err : 玩家姓名不能超过30个字符!</source>
        <translation>Err: a player&apos;s name has at most 30 characters!</translation>
    </message>
    <message>
        <source>Err : 玩家人数已满,不能再添加!</source>
        <translation>Err: the player list is full!</translation>
    </message>
    <message>
        <source>%1 添加完毕, None Password.</source>
        <translation>%1 added, no password.</translation>
    </message>
    <message>
        <source>Err : 原有密码输入错!</source>
        <translation>Err: the old password is wrong!</translation>
    </message>
    <message>
        <source>Err : 原始玩家不能设密码!</source>
        <translation>Err: the first player cannot have a password!</translation>
    </message>
    <message>
        <source>Err : 密码不能超过12个字符!</source>
        <translation>Err: a password has at most 12 characters!</translation>
    </message>
    <message>
        <source>密码修改完毕!</source>
        <translation>The password has been changed!</translation>
    </message>
    <message>
        <source>Err : 原始玩家不能删除!</source>
        <translation>Err: the first player cannot be deleted!</translation>
    </message>
    <message>
        <source>删除完毕!</source>
        <translation>Deleted!</translation>
    </message>
    <message>
        <source>Err:手中牌数超过36张</source>
        <translation>Err: more than 36 cards in hand</translation>
    </message>
    <message>
        <source>Err: in 显示手中牌 : M=%1</source>
        <translation>Err: in the hand display: M=%1</translation>
    </message>
    <message>
        <source>Err:剩牌张数(%1) =%2</source>
        <translation>Err: cards left (%1) = %2</translation>
    </message>
    <message>
        <source>Err:数组下标越界(%1，范围%2..%3)</source>
        <translation>Err: index out of range (%1, range %2..%3)</translation>
    </message>
    <message>
        <source>Err:牌码序号越界(%1)</source>
        <translation>Err: card code number out of range (%1)</translation>
    </message>
    <message>
        <source>Err:牌点越界(%1)</source>
        <translation>Err: rank out of range (%1)</translation>
    </message>
    <message>
        <source>Err:名次越界(%1)</source>
        <translation>Err: place out of range (%1)</translation>
    </message>
    <message>
        <source>Err:贡牌不在手中(%1:%2)</source>
        <translation>Err: the tribute card is not in the hand (%1:%2)</translation>
    </message>
    <message>
        <source>ERR:此数无效 %1</source>
        <translation>ERR: invalid number %1</translation>
    </message>
    <message>
        <source>Err:程序发生致命错误,F座次编号_下家之变量Who＝%1，请将此信息告诉编者</source>
        <translation>Err: fatal error, next seat variable Who = %1; please tell the authors</translation>
    </message>
    <message>
        <source>Err:%1 -手中牌有负数,%2</source>
        <translation>Err:%1 - negative card count in hand, %2</translation>
    </message>
    <message>
        <source>程序运行出错!请立即将Zunda文件夹下扩展名为.znd的几个文件压缩后以附件形式Email给作者,并在EMAIL正文中说明Zunda程序版本和错误现象,以及您使用的Windows版本和电脑CPU型号和内存大小,以便快速排除错误,我将用加倍的努力、以更完美的软件来报答您的热情帮助！谢谢您！</source>
        <translation>The game ran into an error! Please pack the .znd files of the Zunda folder and mail them to the authors, with the version of Zunda, what happened, and your system, processor and memory, so that the fault can be found quickly. Thank you for your help!</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>上班</source>
        <translation>Leads</translation>
    </message>
    <message>
        <source>%1上班</source>
        <translation>%1 leads</translation>
    </message>
    <message>
        <source>抓牌上班</source>
        <translation>Drawing for the lead</translation>
    </message>
    <message>
        <source>3都不成对，3牌最多者发牌</source>
        <translation>No seat holds a pair of threes: the most threes lead</translation>
    </message>
    <message>
        <source>初始化起始状态</source>
        <translation>Setting up the table</translation>
    </message>
    <message>
        <source>随机化洗牌</source>
        <translation>Shuffling</translation>
    </message>
    <message>
        <source>随机化切牌</source>
        <translation>Cutting</translation>
    </message>
    <message>
        <source>重新洗牌</source>
        <translation>Shuffling again</translation>
    </message>
    <message>
        <source>扣掉自家牌</source>
        <translation>Gathering the cards</translation>
    </message>
    <message>
        <source>洗牌不匀,重新洗牌</source>
        <translation>Uneven deal; shuffling again</translation>
    </message>
    <message>
        <source>裁 判: 洗牌不匀,重新洗牌、抓牌</source>
        <translation>Referee: uneven deal; shuffling and dealing again</translation>
    </message>
    <message>
        <source>好吧</source>
        <translation>All right</translation>
    </message>
    <message>
        <source>测试牌手</source>
        <translation>Test player</translation>
    </message>
    <message>
        <source>真要重新洗牌、抓牌吗？</source>
        <translation>Really shuffle and deal again?</translation>
    </message>
    <message>
        <source>Err:随机数产生错误,请将此现象通知作者,谢谢!大虎:%1 小虎:%2 小两:%3</source>
        <translation>Err: the random numbers went wrong; please tell the authors. Big jokers: %1 small jokers: %2 twos: %3</translation>
    </message>
    <message>
        <source>Err:发牌方座次错误,LeadSeat=%1</source>
        <translation>Err: wrong leading seat, LeadSeat=%1</translation>
    </message>
    <message>
        <source>%1-烧糊了: %2</source>
        <translation>%1 - scorched: %2</translation>
    </message>
    <message>
        <source>牌局保存失败：无法写入文件“%1”（%2）。</source>
        <translation>The hand could not be saved: the file “%1” cannot be written (%2).</translation>
    </message>
    <message>
        <source>保存的牌局“%1”是其他版本的程序保存的，本版本无法恢复；文件已原样保留。</source>
        <translation>The saved hand “%1” was saved by another version of the program and cannot be restored by this one; the files are kept as they are.</translation>
    </message>
    <message>
        <source>保存的牌局不完整：找不到文件“%1”。</source>
        <translation>The saved hand is incomplete: the file “%1” is missing.</translation>
    </message>
    <message>
        <source>保存的牌局无法恢复：文件“%1”无法读取。</source>
        <translation>The saved hand cannot be restored: the file “%1” cannot be read.</translation>
    </message>
    <message>
        <source>保存的牌局已损坏：文件“%1”的内容不完整或有误。</source>
        <translation>The saved hand is damaged: the file “%1” is incomplete or holds wrong values.</translation>
    </message>
    <message>
        <source>保存的牌局已损坏：文件“%1”与“%2”不是同一次保存的，或其中的牌对不上。</source>
        <translation>The saved hand is damaged: the files “%1” and “%2” are not from the same save, or their cards do not add up.</translation>
    </message>
    <message>
        <source>无法保存文件“%1”：%2。游戏照常进行，下次保存时将再试一次。</source>
        <translation>The file “%1” could not be saved: %2. The game goes on, and the next save will try again.</translation>
    </message>
    <message>
        <source>磁盘空间已满</source>
        <translation>the disk is full</translation>
    </message>
    <message>
        <source>没有写入权限</source>
        <translation>no permission to write</translation>
    </message>
    <message>
        <source>文件夹不存在</source>
        <translation>the folder does not exist</translation>
    </message>
    <message>
        <source>写入出错</source>
        <translation>a write error</translation>
    </message>
    <message>
        <source>没有存放文件的地方</source>
        <translation>there is nowhere to keep files</translation>
    </message>
    <message>
        <source>成绩文件“%1”已损坏，已改名为“%2”保存；成绩从零开始重新记录。</source>
        <translation>The score file “%1” was damaged and has been kept as “%2”; the scores start again from zero.</translation>
    </message>
    <message>
        <source>无法在程序文件夹中建立配置文件“%1”（%2），请检查该文件夹是否允许写入。</source>
        <translation>The settings file “%1” could not be created in the program folder (%2). Please check that the folder can be written to.</translation>
    </message>
    <message>
        <source>配置文件出错，系统试图重建之，原来的配置文件已另存为“%1”。请在退出后重新运行本软件。如果问题仍然存在，请用电子邮件向作者反映此现象,并说明详细情况。</source>
        <translation>The settings file was damaged and has been rebuilt; the old one has been kept as “%1”. Please quit and start the game again. If the problem stays, please write to the authors and describe it.</translation>
    </message>
    <message>
        <source>配置文件“%1”出错，但无法把它另存为别的文件（%2），因此没有重建它。请检查程序文件夹是否允许写入，然后重新运行本软件。</source>
        <translation>The settings file “%1” is damaged, but it could not be kept under another name (%2), so it has not been rebuilt. Please check that the program folder can be written to, then start the game again.</translation>
    </message>
    <message>
        <source>Err: Skin名称“%1”中含有逗号，皮肤列表无法保存这样的名称；请修改skin.ini中的Name后再导入。</source>
        <translation>Err: the skin name “%1” holds a comma, which the skin list cannot keep; please change Name in skin.ini and import it again.</translation>
    </message>
    <message>
        <source>Err: Skin名称“%1”中含有配置文件无法保存的字符；请修改skin.ini中的Name后再导入。</source>
        <translation>Err: the skin name “%1” holds characters the settings file cannot keep; please change Name in skin.ini and import it again.</translation>
    </message>
    <message>
        <source>Err: 皮肤列表已满，无法再导入Skin“%1”。</source>
        <translation>Err: the skin list is full; the skin “%1” cannot be imported.</translation>
    </message>
    <message>
        <source>Err: Skin“%1”的文件已导入，但皮肤列表没有保存（%2），重新启动后列表中不会有它。</source>
        <translation>Err: the files of the skin “%1” were imported, but the skin list could not be saved (%2); after a restart it will not be in the list.</translation>
    </message>
</context>
<context>
    <name>ReviewWindow</name>
    <message>
        <source>未完</source>
        <translation>unfinished</translation>
    </message>
    <message>
        <source>练习</source>
        <translation>practice</translation>
    </message>
</context>
<context>
    <name>zunda::CardCounterPanel</name>
    <message>
        <source>记牌器</source>
        <translation>Card counter</translation>
    </message>
</context>
<context>
    <name>zunda::ExtrasBox</name>
    <message>
        <source>照常</source>
        <translation>as usual</translation>
    </message>
    <message>
        <source>至少%1毫秒</source>
        <translation>at least %1 ms</translation>
    </message>
    <message>
        <source>辅助功能</source>
        <translation>Conveniences</translation>
    </message>
    <message>
        <source>提示按钮 (H)</source>
        <translation>Hint button (H)</translation>
    </message>
    <message>
        <source>允许托管 (T)</source>
        <translation>Allow autoplay (T)</translation>
    </message>
    <message>
        <source>显示记牌器 (J)</source>
        <translation>Show the card counter (J)</translation>
    </message>
    <message>
        <source>键盘出牌：方向键选牌，空格提起，回车出牌</source>
        <translation>Play with the keyboard: arrows choose, space picks, Enter plays</translation>
    </message>
    <message>
        <source>←→ 移动选牌框，Home/End 到两端；↑ 提起整套，↓ 放下一张，空格 提起或放下一张；回车 出牌，P 过牌，退格 收回，N 不烧，G 还贡，Ctrl+Shift+S 烧糊了</source>
        <translation>←→ move the frame, Home/End to the ends; ↑ picks the whole set, ↓ puts one card down, space picks or puts down one card; Enter plays, P passes, Backspace takes back, N declines the burn, G returns tribute, Ctrl+Shift+S declares scorched</translation>
    </message>
    <message>
        <source>一轮结束后保留最后一手牌，直到我点击</source>
        <translation>After a round, keep the last play shown until I click</translation>
    </message>
    <message>
        <source>一轮结束后牌面停留:</source>
        <translation>Table stays after a round:</translation>
    </message>
    <message>
        <source>允许悔牌(练习)</source>
        <translation>Allow taking back a play (practice)</translation>
    </message>
    <message>
        <source>可以收回自己上一手出的牌或过牌；悔过牌的这一局只算练习，不计积分</source>
        <translation>You may take back your last play or pass; a hand with a play taken back is practice and is not scored</translation>
    </message>
</context>
<context>
    <name>zunda::ExtrasController</name>
    <message>
        <source>辅助(&amp;E)</source>
        <translation>&amp;Extras</translation>
    </message>
    <message>
        <source>提示	H</source>
        <translation>Hint	H</translation>
    </message>
    <message>
        <source>托管	T</source>
        <translation>Autoplay	T</translation>
    </message>
    <message>
        <source>记牌器	J</source>
        <translation>Card counter	J</translation>
    </message>
</context>
<context>
    <name>zunda::FrmOptionsTab</name>
    <message>
        <source>游戏设置</source>
        <translation>Game settings</translation>
    </message>
    <message>
        <source>玩家</source>
        <translation>Player</translation>
    </message>
    <message>
        <source>游戏</source>
        <translation>Game</translation>
    </message>
    <message>
        <source>背景音乐</source>
        <translation>Music</translation>
    </message>
    <message>
        <source>皮肤</source>
        <translation>Skins</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>默认设置</source>
        <translation>Defaults</translation>
    </message>
</context>
<context>
    <name>zunda::FrmScore</name>
    <message>
        <source>Zunda战绩</source>
        <translation>Zunda records</translation>
    </message>
    <message>
        <source>只排前10名  【总分高者意味着团队协作能力强,重开次数多者作弊嫌疑大】</source>
        <translation>Top ten only  [a high score means strong teamwork; many restarts mean suspected cheating]</translation>
    </message>
    <message>
        <source>按总分排名</source>
        <translation>Rank by score</translation>
    </message>
    <message>
        <source>按重开次数排名</source>
        <translation>Rank by restarts</translation>
    </message>
    <message>
        <source>返回</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>玩家</source>
        <translation>Player</translation>
    </message>
    <message>
        <source>总分</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>头科</source>
        <translation>1st</translation>
    </message>
    <message>
        <source>二科</source>
        <translation>2nd</translation>
    </message>
    <message>
        <source>三科</source>
        <translation>3rd</translation>
    </message>
    <message>
        <source>四科</source>
        <translation>4th</translation>
    </message>
    <message>
        <source>二落</source>
        <translation>5th</translation>
    </message>
    <message>
        <source>大落</source>
        <translation>Last</translation>
    </message>
    <message>
        <source>抓三户</source>
        <translation>Triple capture</translation>
    </message>
    <message>
        <source>被抓三户</source>
        <translation>Captured</translation>
    </message>
    <message>
        <source>重开次数</source>
        <translation>Restarts</translation>
    </message>
</context>
<context>
    <name>zunda::GameController</name>
    <message>
        <source>网络游戏</source>
        <translation>Network game</translation>
    </message>
    <message>
        <source>本版本只提供单机游戏，网络游戏暂不开放。</source>
        <translation>This version offers single-player games only; network play is not open.</translation>
    </message>
    <message>
        <source>关于 Zunda</source>
        <translation>About Zunda</translation>
    </message>
    <message>
        <source>Zunda扑克游戏
%1

六人四副牌的尊达：单人对五家电脑。</source>
        <translation>Zunda Card Game
%1

Zunda for six seats with four packs: you against five computer seats.</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>帮助文件未发现：</source>
        <translation>Help file not found: </translation>
    </message>
    <message>
        <source>复盘</source>
        <translation>Review</translation>
    </message>
    <message>
        <source>无法接着打这一局：%1</source>
        <translation>This hand cannot be taken over: %1</translation>
    </message>
    <message>
        <source>导入牌局</source>
        <translation>Import a hand</translation>
    </message>
    <message>
        <source>牌局记录 (*.txt);;所有文件 (*)</source>
        <translation>Hand records (*.txt);;All files (*)</translation>
    </message>
    <message>
        <source>无法导入“%1”：%2</source>
        <translation>“%1” cannot be imported: %2</translation>
    </message>
</context>
<context>
    <name>zunda::GamePage</name>
    <message>
        <source>实时记录游戏运行数据</source>
        <translation>Record run data while playing</translation>
    </message>
    <message>
        <source>出牌、收牌和进贡时显示牌的移动</source>
        <translation>Show cards moving when they are played, taken or paid as tribute</translation>
    </message>
    <message>
        <source>出牌速度:</source>
        <translation>Play speed:</translation>
    </message>
    <message>
        <source>扣牌延时:</source>
        <translation>Pause after a fold:</translation>
    </message>
    <message>
        <source>烧牌等待:</source>
        <translation>Burn offer waits:</translation>
    </message>
    <message>
        <source>老板键标题:</source>
        <translation>Boss-key caption:</translation>
    </message>
    <message>
        <source>Zunda规则设置</source>
        <translation>Zunda rules</translation>
    </message>
    <message>
        <source>进贡,同时计分</source>
        <translation>Tribute, and scoring</translation>
    </message>
    <message>
        <source>不进贡,只计分</source>
        <translation>No tribute, scoring only</translation>
    </message>
    <message>
        <source>大鬼二打一</source>
        <translation>Big joker beats two</translation>
    </message>
    <message>
        <source>跟随系统</source>
        <translation>As the system</translation>
    </message>
    <message>
        <source>界面语言:</source>
        <translation>Language:</translation>
    </message>
</context>
<context>
    <name>zunda::MainWindow</name>
    <message>
        <source>双击查看详细情况</source>
        <translation>Double-click for details</translation>
    </message>
    <message>
        <source>游戏(&amp;G)</source>
        <translation>&amp;Game</translation>
    </message>
    <message>
        <source>单机游戏(&amp;B)</source>
        <translation>&amp;Begin a game</translation>
    </message>
    <message>
        <source>网络游戏(&amp;N)</source>
        <translation>&amp;Network game</translation>
    </message>
    <message>
        <source>结束本局</source>
        <translation>End this hand</translation>
    </message>
    <message>
        <source>老板来了(Esc)</source>
        <translation>Boss is coming (Esc)</translation>
    </message>
    <message>
        <source>保存牌局</source>
        <translation>Save hand</translation>
    </message>
    <message>
        <source>读取牌局</source>
        <translation>Restore hand</translation>
    </message>
    <message>
        <source>强制暂停</source>
        <translation>Force pause</translation>
    </message>
    <message>
        <source>Zunda战绩</source>
        <translation>Zunda records</translation>
    </message>
    <message>
        <source>退出(&amp;X)</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>设置(&amp;O)</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>游戏设置(&amp;O)</source>
        <translation>Game &amp;settings</translation>
    </message>
    <message>
        <source>网络设置(&amp;N)</source>
        <translation>&amp;Network settings</translation>
    </message>
    <message>
        <source>帮助(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Readme</source>
        <translation>Readme</translation>
    </message>
    <message>
        <source>操作使用帮助(&amp;C)</source>
        <translation>How to &amp;play</translation>
    </message>
    <message>
        <source>Zunda基本常识</source>
        <translation>Zunda basics</translation>
    </message>
    <message>
        <source>你知道吗?</source>
        <translation>Did you know?</translation>
    </message>
    <message>
        <source>关于(&amp;A)...</source>
        <translation>&amp;About...</translation>
    </message>
    <message>
        <source>悔牌(&amp;T)</source>
        <translation>&amp;Take back</translation>
    </message>
    <message>
        <source>复盘(&amp;R)...</source>
        <translation>&amp;Review...</translation>
    </message>
    <message>
        <source>导入牌局(&amp;I)...</source>
        <translation>&amp;Import a hand...</translation>
    </message>
</context>
<context>
    <name>zunda::MusicPage</name>
    <message>
        <source>播放背景音乐</source>
        <translation>Play background music</translation>
    </message>
    <message>
        <source>顺序播放</source>
        <translation>In order</translation>
    </message>
    <message>
        <source>随机播放</source>
        <translation>At random</translation>
    </message>
    <message>
        <source>单曲循环</source>
        <translation>Repeat one piece</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>加入列表</source>
        <translation>Add to list</translation>
    </message>
    <message>
        <source>Err : 文件复制失败!</source>
        <translation>Err: the file could not be copied!</translation>
    </message>
    <message>
        <source>Err : 音乐列表已满!</source>
        <translation>Err: the music list is full!</translation>
    </message>
    <message>
        <source>增加新文件</source>
        <translation>Add new files</translation>
    </message>
    <message>
        <source>增加完毕</source>
        <translation>Done adding</translation>
    </message>
</context>
<context>
    <name>zunda::PlayersPage</name>
    <message>
        <source>下次启动时自动登录当前玩家</source>
        <translation>Log in the current player automatically at the next start</translation>
    </message>
    <message>
        <source>登录当前玩家</source>
        <translation>Log in</translation>
    </message>
    <message>
        <source>加入新玩家</source>
        <translation>Add player</translation>
    </message>
    <message>
        <source>删除选定玩家</source>
        <translation>Delete player</translation>
    </message>
    <message>
        <source>修改密码</source>
        <translation>Change password</translation>
    </message>
    <message>
        <source>姓名:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>密码:</source>
        <translation>Password:</translation>
    </message>
    <message>
        <source>新密码:</source>
        <translation>New password:</translation>
    </message>
</context>
<context>
    <name>zunda::ReviewTable</name>
    <message>
        <source>小虎</source>
        <translation>Small joker</translation>
    </message>
    <message>
        <source>大虎</source>
        <translation>Big joker</translation>
    </message>
</context>
<context>
    <name>zunda::ReviewWindow</name>
    <message>
        <source>复盘</source>
        <translation>Review</translation>
    </message>
    <message>
        <source>|&lt; 开始</source>
        <translation>|&lt; Start</translation>
    </message>
    <message>
        <source>&lt; 上一步</source>
        <translation>&lt; Back</translation>
    </message>
    <message>
        <source>下一步 &gt;</source>
        <translation>Forward &gt;</translation>
    </message>
    <message>
        <source>结束 &gt;|</source>
        <translation>End &gt;|</translation>
    </message>
    <message>
        <source>←→ 上一步/下一步，Home/End 到开始/结束</source>
        <translation>←→ back/forward, Home/End to the start/end</translation>
    </message>
    <message>
        <source>第%1/%2步</source>
        <translation>Step %1/%2</translation>
    </message>
    <message>
        <source>自动播放</source>
        <translation>Play through</translation>
    </message>
    <message>
        <source>%1 秒</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>从头再打</source>
        <translation>Play again from the start</translation>
    </message>
    <message>
        <source>从此处接着打</source>
        <translation>Play on from here</translation>
    </message>
    <message>
        <source>计入积分</source>
        <translation>Scored</translation>
    </message>
    <message>
        <source>不选时接着打的这一局只算练习</source>
        <translation>When not ticked, the hand played on is practice only</translation>
    </message>
    <message>
        <source>导出...</source>
        <translation>Export...</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>还没有留下的牌局。</source>
        <translation>No hands have been kept yet.</translation>
    </message>
    <message>
        <source>这一局无法重放：%1</source>
        <translation>This hand cannot be replayed: %1</translation>
    </message>
    <message>
        <source>当前牌局将被放弃，是否继续？</source>
        <translation>The hand in progress will be given up. Go on?</translation>
    </message>
    <message>
        <source>无法接着打这一局：%1</source>
        <translation>This hand cannot be taken over: %1</translation>
    </message>
    <message>
        <source>导出牌局</source>
        <translation>Export the hand</translation>
    </message>
    <message>
        <source>牌局没有导出到“%1”：%2</source>
        <translation>The hand was not exported to “%1”: %2</translation>
    </message>
    <message>
        <source>牌局记录 (*.txt);;所有文件 (*)</source>
        <translation>Hand records (*.txt);;All files (*)</translation>
    </message>
</context>
<context>
    <name>zunda::SkinsPage</name>
    <message>
        <source>导入新Skin</source>
        <translation>Import skin</translation>
    </message>
    <message>
        <source>&lt;= 请指定新Skin存放位置</source>
        <translation>&lt;= choose where the new skin is</translation>
    </message>
    <message>
        <source>双击开始导入</source>
        <translation>Double-click to import</translation>
    </message>
    <message>
        <source>从文件夹导入...</source>
        <translation>Import from a folder...</translation>
    </message>
    <message>
        <source>选择新Skin所在的文件夹</source>
        <translation>Choose the folder of the new skin</translation>
    </message>
</context>
<context>
    <name>zunda::TableView</name>
    <message>
        <source>出牌</source>
        <translation>Play</translation>
    </message>
    <message>
        <source>扣牌</source>
        <translation>Fold</translation>
    </message>
    <message>
        <source>过牌</source>
        <translation>Pass</translation>
    </message>
    <message>
        <source>收回</source>
        <translation>Take back</translation>
    </message>
    <message>
        <source>不烧</source>
        <translation>No burn</translation>
    </message>
    <message>
        <source>烧糊了</source>
        <translation>Scorched</translation>
    </message>
    <message>
        <source>还贡</source>
        <translation>Return tribute</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Hint</translation>
    </message>
    <message>
        <source>小虎</source>
        <translation>JOKER</translation>
    </message>
    <message>
        <source>大虎</source>
        <translation>JOKER</translation>
    </message>
    <message>
        <source>托管中</source>
        <translation>Autoplay</translation>
    </message>
</context>
</TS>
